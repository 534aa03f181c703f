#pragma once
// Finds the General MIDI SoundFont of the built-in synthesizer among the ones installed.
#include <QStringList>

class SoundFontLocator {
public:
    // The usual installation folders of SoundFonts on Linux distributions.
    static QStringList systemFolders();
    // The SoundFonts to try, best first: the preferred names (FluidR3 GM, the distribution's
    // default GM link, TimGM6mb) in any folder, then every other .sf2 file of the folders.
    static QStringList candidates(const QStringList& folders);
    // The first candidate that is a readable file; "" when there is none.
    static QString firstReadable(const QStringList& candidates);
};
