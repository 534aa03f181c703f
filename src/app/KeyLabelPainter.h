#pragma once
// Draws a key's label on its face, near its lower end where the fingers are: in one line when it
// fits the width, else one character under the other (a white key's middle column stays free of
// the black keys beside it), in a smaller size when the column would be too long. Octave dots go
// above or below the text, as in numbered notation.
#include "keyboard/KeyLabels.h"

#include <QRect>

class QPainter;

namespace KeyLabelPainter {
// `key` is the key's rectangle; `pressed` shifts the label with the sunken face.
void paint(QPainter& painter, const QRect& key, bool black, bool pressed,
           const KeyLabels::Label& label);
} // namespace KeyLabelPainter
