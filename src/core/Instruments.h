#pragma once
// The names of the 128 General MIDI programs in the user's language. Entry i of the list is
// program number i.
#include "core/AppPaths.h"

#include <QLocale>
#include <QStringList>

class Instruments {
public:
    static constexpr int kCount = 128;
    static constexpr int kChineseResource = 101;
    static constexpr int kEnglishResource = 102;

    // English gets the English list; every other language, Traditional Chinese included, the
    // Chinese one.
    static int resourceFor(int languageCode);
    static QString fileFor(const AppPaths& paths, int languageCode);

    // Writes the list of the locale's language into the data folder (read-only, replacing any
    // hand edits) and reads the 128 names from it; a name the file lacks is "".
    static QStringList LoadInstruments(const AppPaths& paths,
                                       const QLocale& locale = QLocale::system());
};
