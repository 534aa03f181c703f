#pragma once
// The text of the About page: what the program is, its version and copyright, and when the
// program file was last written (the build the user runs).
#include <QString>

// `programFile`: the running executable; a file that cannot be read gives no date line.
QString AboutText(const QString& programFile);
