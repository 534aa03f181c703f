#pragma once
// The .ico file format around PNG images: every size of an icon in one file, as the desktop and
// other programs read it. Only PNG frames are written; reading also reports the older bitmap
// frames, so that a caller can tell them apart from a broken file.
#include <QByteArray>
#include <QList>

namespace IcoContainer {

struct Frame {
    int width = 0;  // 1..256
    int height = 0; // 1..256
    QByteArray data;
    bool isPng() const;
};

// An empty result when there are no frames, more than 255 of them, or a size outside 1..256.
QByteArray compose(const QList<Frame>& frames);
// The frames of an .ico file; empty for anything that is not one (wrong header, entries pointing
// outside the file).
QList<Frame> parse(const QByteArray& file);

} // namespace IcoContainer
