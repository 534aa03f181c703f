#include "settings/KeyPictureLayout.h"

#include "core/NoteTable.h"

#include <array>

namespace KeyPictureLayout {
namespace {

// The first white key of each row and one past the last; every cut falls after an E.
constexpr std::array<int, kRows + 1> kRowStarts{0, 12, 26, 40, 52};
constexpr int kRowHeight = kBoxHeight + kBoxGap + kWhiteHeight + kBoxGap + kBoxHeight + kRowGap;
constexpr int kWidestRow = 14;

bool validKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount;
}

// The number of white keys left of the key.
int whiteKeysBefore(int keyIndex) {
    int count = 0;
    for (int i = 0; i < keyIndex; ++i)
        if (!NoteTable::isBlackKey(i)) ++count;
    return count;
}

// The row of the white key a key stands on or after.
int rowOfWhite(int white) {
    for (int r = 0; r < kRows; ++r)
        if (white < kRowStarts[r + 1]) return r;
    return kRows - 1;
}

// Rows shorter than the widest are centred.
int rowLeft(int r) {
    return (kWidestRow - (kRowStarts[r + 1] - kRowStarts[r])) * kWhiteWidth / 2;
}

int keysTop(int r) {
    return r * kRowHeight + kBoxHeight + kBoxGap;
}

QRect centredBox(int centreX, int top) {
    const int width = kWhiteWidth - 2 * kBoxGap;
    return {centreX - width / 2, top, width, kBoxHeight};
}

} // namespace

int row(int keyIndex) {
    if (!validKey(keyIndex)) return -1;
    // A black key belongs with the white key to its left.
    const int white = whiteKeysBefore(keyIndex) - (NoteTable::isBlackKey(keyIndex) ? 1 : 0);
    return rowOfWhite(white);
}

QRect keyRect(int keyIndex) {
    if (!validKey(keyIndex)) return {};
    const int r = row(keyIndex);
    const int white = whiteKeysBefore(keyIndex);
    const int x = rowLeft(r) + (white - kRowStarts[r]) * kWhiteWidth;
    if (NoteTable::isBlackKey(keyIndex))
        return {x - kBlackWidth / 2, keysTop(r), kBlackWidth, kBlackHeight};
    return {x, keysTop(r), kWhiteWidth, kWhiteHeight};
}

QRect boxRect(int keyIndex) {
    if (!validKey(keyIndex)) return {};
    const QRect key = keyRect(keyIndex);
    const int r = row(keyIndex);
    if (NoteTable::isBlackKey(keyIndex)) return centredBox(key.center().x(), r * kRowHeight);
    return centredBox(key.center().x(), keysTop(r) + kWhiteHeight + kBoxGap);
}

QRect pedalCaptionRect() {
    constexpr int r = kRows - 1;
    const int right = rowLeft(r) + (kRowStarts[r + 1] - kRowStarts[r]) * kWhiteWidth;
    // The caption and the box together, centred beside the row's keys.
    const int top = keysTop(r) + (kWhiteHeight - 2 * kBoxHeight - kBoxGap) / 2;
    return centredBox(right + kWhiteWidth / 2, top);
}

QRect pedalBoxRect() {
    return pedalCaptionRect().translated(0, kBoxHeight + kBoxGap);
}

QSize size() {
    return {kWidestRow * kWhiteWidth, kRows * kRowHeight - kRowGap};
}

} // namespace KeyPictureLayout
