#include "keyboard/KeyGeometry.h"

#include "core/NoteTable.h"

namespace KeyGeometry {

namespace {
int whiteOrdinal(int keyIndex) {
    int whites = 0;
    for (int i = 0; i < keyIndex; ++i)
        if (!NoteTable::isBlackKey(i)) ++whites;
    return whites;
}

int whiteLeft(int keyIndex) {
    return kLeft + kWhiteStep * whiteOrdinal(keyIndex);
}
} // namespace

QRect keyRect(int keyIndex) {
    if (keyIndex < 0 || keyIndex >= NoteTable::kKeyCount) return {};
    // A black key is never the highest, so the white key to its right exists.
    if (NoteTable::isBlackKey(keyIndex))
        return {whiteLeft(keyIndex + 1) - kBlackShift, kTop, kBlackWidth, kBlackHeight};
    return {whiteLeft(keyIndex), kTop, kWhiteWidth, kWhiteHeight};
}

QRect keyboardRect() {
    return keyRect(0).united(keyRect(NoteTable::kKeyCount - 1));
}

} // namespace KeyGeometry
