#pragma once
// Drawing shared by the custom controls: colour mixing, the disabled fade, bars and thumbs.
// Everything is drawn in logical coordinates with antialiasing, so it stays crisp at any
// device pixel ratio.
#include <QColor>
#include <QRectF>

class QPainter;
class QPixmap;

namespace ControlPainter {

// t = 0 gives a, t = 1 gives b.
QColor mixed(const QColor& a, const QColor& b, double t);
// A colour as a disabled control shows it: greyed and faded towards the background.
QColor dimmed(const QColor& colour, const QColor& background);

struct BarStyle {
    QColor colour;
    bool sunken = true;   // a 3-D look pressed into the surface, else flat
    bool bordered = true; // a single border line
    bool opaque = true;   // filled with its colour, else only its border is drawn
};
void paintBar(QPainter& painter, const QRectF& rect, const BarStyle& style);

enum class ThumbState { Normal, Hover, Pressed, Disabled };
// A raised handle; `accent` colours its border while hovered or held. A picture, when given,
// replaces the drawn handle.
void paintThumb(QPainter& painter, const QRectF& rect, ThumbState state, const QColor& accent,
                const QPixmap& picture);

} // namespace ControlPainter
