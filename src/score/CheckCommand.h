#pragma once
// "tonvale --check FILE...": the score check on the command line, with no window and no display.
#include "core/NoteTable.h"

#include <QStringList>
#include <QTextStream>

namespace CheckCommand {

constexpr int kClean = 0;
constexpr int kFound = 1;
constexpr int kUnreadable = 2;

// Prints "FILE:LINE: reason" to `out` for every finding, and a line to `err` for every file that
// cannot be read. kUnreadable when some file could not be read (or none was named), else kFound
// when something was found, else kClean.
int run(const QStringList& paths, const NoteTable& notes, QTextStream& out, QTextStream& err);

} // namespace CheckCommand
