#pragma once
// The window operations shared by the main window and the dialogs: staying on top, being moved
// by the mouse from anywhere, and transparency.
class QWidget;

namespace MFormExpanded {

// Keeps the window above all others while on; position and size stay as they are.
void SetTopmost(QWidget* window, bool on);
// Lets the window manager move the window with the mouse until the button is released; false
// where the platform cannot (no window system).
bool DragWindow(QWidget* window);
// The whole window's opacity for a transparency percent (see TransparencyAlpha).
void SetTransparency(QWidget* window, int percent);

} // namespace MFormExpanded
