#pragma once
// Keeps the ALSA library from printing its own error lines on this thread while it lives: a
// missing sequencer or sound card is reported through our error texts, not on the console.
#include <cstdarg>

class AlsaErrorSilencer {
public:
    AlsaErrorSilencer();
    ~AlsaErrorSilencer();
    AlsaErrorSilencer(const AlsaErrorSilencer&) = delete;
    AlsaErrorSilencer& operator=(const AlsaErrorSilencer&) = delete;

private:
    using Handler = void (*)(const char*, int, const char*, int, const char*, std::va_list);
    Handler previous_;
};
