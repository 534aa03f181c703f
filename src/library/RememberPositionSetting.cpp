#include "library/RememberPositionSetting.h"

#include "core/CIni.h"
#include "core/NumberText.h"

namespace {
const QString kSection = QStringLiteral("添加收藏");
const QString kKey = QStringLiteral("记住播放位置");
} // namespace

namespace RememberPositionSetting {

bool read(const QString& settingsPath) {
    return NumberText::leadingNumber(CIni().ReadIniString_(kSection, kKey, settingsPath)) != 0;
}

void write(const QString& settingsPath, bool checked) {
    CIni().WriteIniString_(kSection, kKey, checked ? QStringLiteral("1") : QStringLiteral("0"),
                           settingsPath);
}

} // namespace RememberPositionSetting
