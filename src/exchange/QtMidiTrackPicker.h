#pragma once
// The melody choice as a list dialog over the main window.
#include "exchange/MidiTrackPicker.h"

class QWidget;

class QtMidiTrackPicker : public MidiTrackPicker {
public:
    explicit QtMidiTrackPicker(QWidget* owner) : owner_(owner) {}
    int pickMelody(const QList<MidiImport::MelodyChoice>& choices, int preselected) override;

private:
    QWidget* owner_;
};
