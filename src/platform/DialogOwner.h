#pragma once
// Where a new box or dialog of the program opens, so that no other window of the program hides
// it: over the modal dialog in front when there is one, and kept above all windows while a shown
// window of the program is (the splash during start-up, a dialog that stays in front).
class QWidget;

namespace DialogOwner {

// The modal dialog in front, else `preferred` (which may be null).
QWidget* ownerFor(QWidget* preferred);
// Gives a dialog that is not shown yet the stay-on-top hint when it needs it.
void keepInFront(QWidget& dialog);

} // namespace DialogOwner
