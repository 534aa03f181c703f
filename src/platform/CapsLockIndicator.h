#pragma once
// The Caps Lock state as the window system keeps it, which Qt does not tell. No value where it
// cannot be asked: a platform other than X11, such as the offscreen one of the tests.
#include <optional>

namespace CapsLockIndicator {
std::optional<bool> read();
} // namespace CapsLockIndicator
