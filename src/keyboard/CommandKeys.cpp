#include "keyboard/CommandKeys.h"

#include "keyboard/LiveKeyboard.h"
#include "keyboard/VirtualKeyCodes.h"

CommandKeys::CommandKeys(LiveKeyboard& live, QObject* parent) : QObject(parent), live_(live) {}

bool CommandKeys::isCommandKey(int keyCode, int shift) {
    switch (keyCode) {
    case VirtualKey::Escape:
    case VirtualKey::Space:
    case VirtualKey::F3:
    case VirtualKey::Delete:
    case VirtualKey::F12:
        return true;
    case VirtualKey::B:
        return shift == ShiftMask::Ctrl;
    default:
        return false;
    }
}

void CommandKeys::keyDown(int keyCode, int shift) {
    if (keyCode == VirtualKey::Escape) {
        live_.ResetKeyboard();
        emit requestStopRecording();
    }
    if (keyCode == VirtualKey::Space && holds(conditions_.playPauseEnabled))
        emit requestPlayPause();
    if (keyCode == VirtualKey::F3 && !holds(conditions_.scorePlaying)) emit requestSearch();
    if (keyCode == VirtualKey::B && shift == ShiftMask::Ctrl) emit requestAddFolder();
    if (keyCode == VirtualKey::Delete && holds(conditions_.deleteSelectedEnabled))
        emit requestDeleteSelected();
    if (keyCode == VirtualKey::Delete && shift == ShiftMask::Shift &&
        holds(conditions_.deleteAllEnabled))
        emit requestDeleteAll();
    if (keyCode == VirtualKey::F12 && holds(conditions_.organizeFavoritesEnabled))
        emit requestOrganizeFavorites();
}
