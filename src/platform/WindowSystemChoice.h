#pragma once
// Which window system the program talks to. Staying on top, transparency, moving the window by
// its background and restoring its position need X11: under a Wayland session the program runs
// through XWayland unless the user named a platform (QT_QPA_PLATFORM or -platform).
namespace WindowSystemChoice {

// Before the application object exists.
void preferX11UnderWayland(int argc, char** argv);

} // namespace WindowSystemChoice
