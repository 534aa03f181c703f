#include "settings/OptionsSection.h"

#include "core/CIni.h"
#include "core/NumberText.h"
#include "core/VersionInfo.h"

namespace {
const QString kTab = QStringLiteral("当前选项卡");
const QString kAlpha = QStringLiteral("透明度百分比");
const QString kTitle = QStringLiteral("标题栏单选框");
const QString kPlayList = QStringLiteral("播放列表单选框");
const std::array<QString, OptionValues::CheckCount> kChecks{
    QStringLiteral("键盘弹奏时鼠标自动跟随按键"), QStringLiteral("只允许运行一个程序实例"),
    QStringLiteral("关联本程序与乐谱文件(.piano文件)"),
    QStringLiteral("关联本程序与播放列表(.plist文件)")};

QString gateKey() {
    return QString::fromUtf8(VersionInfo::companyName);
}

// The leading number rounded to 16 bits; `fallback` when it lies outside first..last.
int readInRange(const CIni& ini, const QString& key, const QString& path, int first, int last,
                int fallback) {
    const int value = NumberText::roundToInt16(
        NumberText::leadingNumber(ini.ReadIniString_(OptionsSection::kSection, key, path)));
    return value >= first && value <= last ? value : fallback;
}
} // namespace

QString OptionsSection::settingsPath(const AppPaths& paths) {
    return paths.iniFile(QStringLiteral("程序设置"), QStringLiteral(".INI"));
}

bool OptionsSection::hasGate(const QString& settingsFile) {
    return !CIni().ReadIniString_(kSection, gateKey(), settingsFile).isEmpty();
}

std::optional<OptionValues> OptionsSection::read(const QString& settingsFile) {
    if (!hasGate(settingsFile)) return std::nullopt;
    const CIni ini;
    OptionValues values;
    values.intCurrentTab = readInRange(ini, kTab, settingsFile, 0, 2, 0);
    values.alphaText = ini.ReadIniString_(kSection, kAlpha, settingsFile);
    values.titleOption = readInRange(ini, kTitle, settingsFile, 0, 3, 0);
    values.playListOption = readInRange(ini, kPlayList, settingsFile, 0, 3, 0);
    for (int c = 0; c < OptionValues::CheckCount; ++c)
        values.checks[c] = readInRange(ini, kChecks[c], settingsFile, 0, 1, 1) == 1;
    return values;
}

bool OptionsSection::write(const QString& settingsFile, const OptionValues& values) {
    const CIni ini;
    CIni::Batch batch(settingsFile);
    ini.WriteIniString_(kSection, gateKey(), QString::fromUtf8(VersionInfo::legalNotice),
                        settingsFile);
    ini.WriteIniString_(kSection, kTab, QString::number(values.intCurrentTab), settingsFile);
    ini.WriteIniString_(kSection, kAlpha, values.alphaText, settingsFile);
    ini.WriteIniString_(kSection, kTitle, QString::number(values.titleOption), settingsFile);
    ini.WriteIniString_(kSection, kPlayList, QString::number(values.playListOption), settingsFile);
    for (int c = 0; c < OptionValues::CheckCount; ++c)
        ini.WriteIniString_(kSection, kChecks[c],
                            values.checks[c] ? QStringLiteral("1") : QStringLiteral("0"),
                            settingsFile);
    return batch.commit();
}
