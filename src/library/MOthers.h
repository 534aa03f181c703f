#pragma once
// The window caption that the ways files are opened share.
#include <QString>
#include <optional>

// The window caption after a score was opened, by the title option (0..3); `savedCaption` is the
// caption the window had at load. No value for any other option: the caption stays as it is.
std::optional<QString> TitleCaption(int intTitleOption, const QString& savedCaption,
                                    const QString& strPlayingFile);
