#pragma once
// The virtual-key codes that the key maps and the key handling speak of: the codes of the
// common desktop key tables (letters and digits are their upper-case ASCII codes).
namespace VirtualKey {
constexpr int Backspace = 8;
constexpr int Tab = 9;
constexpr int Control = 17;
constexpr int CapsLock = 20;
constexpr int Escape = 27;
constexpr int Space = 32;
constexpr int Delete = 46;
constexpr int B = 66;
constexpr int F3 = 114;
constexpr int F12 = 123;
} // namespace VirtualKey

// The shift mask of a key event: 1 Shift, 2 Ctrl, 4 Alt.
namespace ShiftMask {
constexpr int Shift = 1;
constexpr int Ctrl = 2;
constexpr int Alt = 4;
} // namespace ShiftMask
