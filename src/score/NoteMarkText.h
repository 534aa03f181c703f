#pragma once
// How a note's practice mark is told in the score bar's tooltip.
#include "score/NoteMark.h"

#include <QString>

namespace NoteMarkText {

// "首次弹对", "弹错后弹对", "弹错", "漏弹"; in time with the timing: "首次弹对，早 40 ms".
QString describe(const NoteMark& mark);

} // namespace NoteMarkText
