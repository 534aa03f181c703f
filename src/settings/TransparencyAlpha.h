#pragma once
// How a transparency percent becomes the window's alpha.
namespace TransparencyAlpha {

// The percents the settings file may hold; anything else found there is brought into this range.
constexpr int kMinPercent = 0;
constexpr int kMaxPercent = 99;

int clampPercent(int percent);
// (100 − percent) × 255 / 100, rounded halves to even, clamped to 0..255.
int forPercent(int percent);

} // namespace TransparencyAlpha
