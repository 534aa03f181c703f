#pragma once
// Where the key page draws the 88 keys, their labels and their name boxes: the keyboard cut into
// four rows of whole octave groups (cut between E and F, where no black key lies), each row with
// the boxes of its black keys above it and those of its white keys below it, every box centred
// on its key and as wide as a white key, so that no two boxes meet. The pedal's caption and box
// fill the space the shorter last row leaves at its right.
#include <QRect>
#include <QSize>

namespace KeyPictureLayout {
constexpr int kRows = 4;
constexpr int kWhiteWidth = 78;
constexpr int kWhiteHeight = 70;
constexpr int kBlackWidth = 40;
constexpr int kBlackHeight = 42;
constexpr int kBoxHeight = 20;
constexpr int kBoxGap = 2;
constexpr int kRowGap = 10;

// The row (0..3) of a key; -1 outside 0..87.
int row(int keyIndex);
// The key's rectangle in the picture; empty outside 0..87.
QRect keyRect(int keyIndex);
// The name box of a key: above a black key, below a white one.
QRect boxRect(int keyIndex);
// The pedal's caption and, below it, its box.
QRect pedalCaptionRect();
QRect pedalBoxRect();
// The whole picture with its boxes.
QSize size();
} // namespace KeyPictureLayout
