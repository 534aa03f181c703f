#include "platform/midi/AlsaErrorSilencer.h"

// alsa/error.h declares snd_lib_error_set_local outside its own extern "C" block.
extern "C" {
#include <alsa/error.h>
}

namespace {
void ignoreAlsaError(const char*, int, const char*, int, const char*, va_list) {}
} // namespace

AlsaErrorSilencer::AlsaErrorSilencer() : previous_(snd_lib_error_set_local(ignoreAlsaError)) {}

AlsaErrorSilencer::~AlsaErrorSilencer() {
    snd_lib_error_set_local(previous_);
}
