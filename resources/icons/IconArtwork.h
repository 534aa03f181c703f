#pragma once
// The program's own icons, drawn from shapes so that every size is painted sharp rather than
// scaled from one bitmap. Painted without text, so no font is needed at build time.
#include <QImage>

namespace IconArtwork {

enum class Kind {
    Score,    // a score page with a beamed pair of notes over a keyboard
    Playlist, // a list page with a play badge
};

// A square image with transparency, `size` pixels wide (16..256).
QImage render(Kind kind, int size);

} // namespace IconArtwork
