#pragma once
// Small tests and texts shared by the ways files are opened.
#include <QString>
#include <optional>

// True when the text ends in ".piano", in any letter case. An entry with a position suffix is
// therefore not a score by this test.
bool IsScoreFile(const QString& text);
// True when the text ends in ".plist", in any letter case.
bool IsPlaylistFile(const QString& text);
// True when the text ends in ".mid" or ".midi", in any letter case.
bool IsMidiFile(const QString& text);

// The window caption after a score was opened, by the title option (0..3); `savedCaption` is the
// caption the window had at load. No value for any other option: the caption stays as it is.
std::optional<QString> TitleCaption(int intTitleOption, const QString& savedCaption,
                                    const QString& strPlayingFile);
