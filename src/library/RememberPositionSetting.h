#pragma once
// Whether the add-to-favorites dialog offers to remember the play position: section 添加收藏,
// key "记住播放位置" of the settings file, "0" or "1".
#include <QString>

namespace RememberPositionSetting {
// The leading-number value of the stored text, so anything but a number other than 0 reads as
// unchecked.
bool read(const QString& settingsPath);
void write(const QString& settingsPath, bool checked);
} // namespace RememberPositionSetting
