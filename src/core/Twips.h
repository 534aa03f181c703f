#pragma once
// The window design is measured in twips: 15 twips are one logical pixel.
#include <QRect>
#include <QtMath>

constexpr int kTwipsPerPixel = 15;
constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}
constexpr int pixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}
// Each edge rounded on its own, so that rectangles that meet in twips still meet in pixels.
inline QRect twipsToPixels(const QRect& twips) {
    const int left = twipsToPixels(twips.x());
    const int top = twipsToPixels(twips.y());
    return {left, top, twipsToPixels(twips.x() + twips.width()) - left,
            twipsToPixels(twips.y() + twips.height()) - top};
}
