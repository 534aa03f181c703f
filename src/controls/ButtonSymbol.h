#pragma once
// The drawn symbols of the transport and mute buttons, painted as paths so they are sharp at any
// size and device pixel ratio.
#include <QColor>
#include <QRectF>

class QPainter;

enum class ButtonSymbol { None, Play, Pause, Stop, First, Previous, Next, Last, Speaker };

// Paints `symbol` into the square `box`. A muted speaker shows a cross instead of sound waves.
void paintButtonSymbol(QPainter& painter, ButtonSymbol symbol, const QRectF& box, const QColor& colour,
                       bool muted);
