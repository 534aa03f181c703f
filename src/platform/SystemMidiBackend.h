#pragma once
// The MIDI outputs of this machine.
#include "platform/MidiBackend.h"

#include <memory>

std::unique_ptr<MidiBackend> createSystemMidiBackend();
