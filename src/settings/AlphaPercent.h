#pragma once
// The two scales of the transparency setting: percent as typed (0..99) and the slider's 0..Max.
#include <QString>
#include <QtGlobal>

namespace AlphaPercent {
constexpr int kLargest = 99;

// value × 100 ÷ max, the fraction dropped; 0 for a slider without a range.
int fromSlider(int value, int max);
// The percent's place on the slider, rounded halves to even.
int toSlider(double percent, int max);
// The leading number of a typed text.
double typed(const QString& text);
bool inRange(double percent);
// The percent the window gets for a text: rounded halves to even and held to 0..99, so that a
// value the dialog refused never reaches the window.
qint16 forWindow(const QString& text);
} // namespace AlphaPercent
