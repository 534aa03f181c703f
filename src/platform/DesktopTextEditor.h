#pragma once
// The desktop's plain-text editor, for the "edit" verb of our file types: the first graphical
// editor found on the PATH, in the order of the desktops that ship them.
#include <QString>

namespace DesktopTextEditor {
// The editor's full path, "" when none is installed.
QString find();
} // namespace DesktopTextEditor
