#include "settings/ProgramSettings.h"

#include "settings/OptionsSection.h"

#include "core/CIni.h"
#include "core/NumberText.h"
#include "keyboard/BottomContainerLayout.h"
#include "library/FavoritesMenu.h"
#include "library/FavoritesStore.h"
#include "library/PlaylistFile.h"
#include "settings/TransparencyAlpha.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <optional>

namespace {

const QString kGeometry = QStringLiteral("窗体位置大小");
const QString kLists = QStringLiteral("下拉框");
const QString kBars = QStringLiteral("滚动条");
const QString kChecks = QStringLiteral("菜单复选否");
const QString kVolume = QStringLiteral("音量按钮值");
const QString kVolumeKey = QStringLiteral("volSystemVolume.Volume");
const QString kPlaying = QStringLiteral("正在播放");
const QString kPlayingIndex = QStringLiteral("Index");
const QString kDeviceKey = QStringLiteral("ComDevies.ListIndex");
const QString kInstrumentKey = QStringLiteral("ComSounds.ListIndex");
const QString kChannelKey = QStringLiteral("ComChannel.ListIndex");
const QString kPitchKey = QStringLiteral("HScrollYindiao.Value");
const QString kVelocityKey = QStringLiteral("HScrollVolume.Value");
constexpr int kFirstStartVolume = 930;
constexpr int kListOptionReopen = 0;
constexpr int kListOptionForget = 3;

// The whole text as a number, fractions rounded halves to even; no value for an empty or
// non-numeric text or one beyond the target's range, so that the target keeps what it had.
template <typename Int> std::optional<int> integerConversion(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double rounded = NumberText::roundHalfEven(value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max())
        return std::nullopt;
    return int(rounded);
}

int leadingNumberConversion(const QString& text) {
    return NumberText::roundToInt16(NumberText::leadingNumber(text));
}

} // namespace

ProgramSettings::ProgramSettings(Parts parts) : p_(std::move(parts)) {}

QString ProgramSettings::settingsPath(const AppPaths& paths) {
    return OptionsSection::settingsPath(paths);
}

void ProgramSettings::LoadSettings() {
    p_.options = ProgramOptions{};
    transparencyPercent_ = 0;
    p_.keyMap.LoadKeyMaps(p_.paths, p_.notes, false);

    const QString path = settingsPath(p_.paths);
    const bool firstStart = !PathExists(path);
    if (!firstStart) {
        loadWindowAndSound(path);
        loadMenuChecks(path);
        if (const auto volume =
                integerConversion<qint16>(CIni().ReadIniString_(kVolume, kVolumeKey, path)))
            p_.volume.setVolume(*volume);
        p_.recentFiles.restore(path);
    }
    // The lists live in files of their own: a lost settings file must not empty them at the next
    // shutdown, so they are read on a first start too.
    loadLists();
    if (firstStart)
        applyFirstStart();
    else if (const auto stored = OptionsSection::read(path))
        loadOptions(*stored);
    keepOneChoiceEach();

    followMenuChecks();
    applyViewState();
    reopenPlayingEntry(path);
    p_.associations.applyOptions(p_.options.blnAssociate);
}

void ProgramSettings::loadWindowAndSound(const QString& path) {
    const CIni ini;
    // A key that is missing or unreadable keeps the first start's value, never a window of no size.
    QRect geometry = firstStartGeometry();
    const auto read = [&](const QString& key, auto set) {
        if (const auto value = integerConversion<qint32>(ini.ReadIniString_(kGeometry, key, path)))
            set(*value);
    };
    read(QStringLiteral("Top"), [&](int v) { geometry.moveTop(v); });
    read(QStringLiteral("Left"), [&](int v) { geometry.moveLeft(v); });
    read(QStringLiteral("Width"), [&](int v) { geometry.setWidth(v); });
    read(QStringLiteral("Height"), [&](int v) { geometry.setHeight(v); });
    p_.window.setGeometryTwips(geometry);

    // Each selector refuses a value outside its range and keeps its state, but for the device: one
    // that is gone gives way to the built-in synthesizer.
    const auto select = [&](const QString& section, const QString& key, auto&& apply) {
        if (const auto value = integerConversion<qint16>(ini.ReadIniString_(section, key, path)))
            apply(*value);
    };
    select(kLists, kDeviceKey, [&](int v) { p_.sound.selectRememberedDevice(v); });
    select(kLists, kInstrumentKey, [&](int v) { p_.sound.selectInstrument(v); });
    select(kLists, kChannelKey, [&](int v) { p_.sound.selectChannel(v); });
    select(kBars, kPitchKey, [&](int v) { p_.sound.setPitchShift(v); });
    select(kBars, kVelocityKey, [&](int v) { p_.sound.setVelocity(v); });
}

void ProgramSettings::loadMenuChecks(const QString& path) {
    const CIni ini;
    for (MenuItem* item : p_.menus.rememberedChecks())
        item->setChecked(ini.ReadIniTF_(kChecks, item->caption(), path));
}

void ProgramSettings::loadLists() {
    PlaylistFile::appendTo(PlaylistFile::playingListPath(p_.paths), p_.playingList);
    FavoritesStore::appendTo(FavoritesStore::path(p_.paths), p_.favorites);
    p_.favoritesMenu.RebuildFavoritesMenu();
}

void ProgramSettings::loadOptions(const OptionValues& stored) {
    transparencyPercent_ =
        TransparencyAlpha::clampPercent(leadingNumberConversion(stored.alphaText));
    ProgramOptions& o = p_.options;
    o.intTitleOption = stored.titleOption;
    o.intPlayListOption = stored.playListOption;
    o.blnMouseFollow = stored.checks[OptionValues::MouseFollow];
    o.blnOnlyRunOne = stored.checks[OptionValues::OnlyOneApp];
    o.blnAssociate[0] = stored.checks[OptionValues::AssociateScores];
    o.blnAssociate[1] = stored.checks[OptionValues::AssociatePlaylists];
    p_.keyMap.readFile(KeyMap::userFilePath(p_.paths), p_.notes);
}

void ProgramSettings::applyFirstStart() {
    p_.window.setGeometryTwips(firstStartGeometry());
    p_.sound.selectDevice(0);
    p_.sound.selectInstrument(0);
    p_.sound.selectChannel(0);
    p_.sound.setPitchShift(SoundSettings::kDefaultPitchShift);
    p_.sound.setVelocity(SoundSettings::kMaxVelocity);
    for (MenuEntry bar : MainMenus::kBarToggles) p_.menus.item(bar)->setChecked(false);
    p_.menus.item(MenuEntry::TopmostWhilePlaying)->setChecked(true);
    p_.menus.item(MenuEntry::ListLoop)->setChecked(true);
    p_.menus.item(MenuEntry::CompletedNothing)->setChecked(true);
    p_.volume.setVolume(kFirstStartVolume);
    followMenuChecks();
    playSample();
}

// The sample is written, loaded and deleted at once, so that it never stays in the folder.
void ProgramSettings::playSample() {
    const QString path = p_.paths.dataPath() + kSampleScore;
    WriteDefaultFile(kSampleScoreResource, path, false, true);
    p_.opener.playAllFiles(path, true, false);
    QFile::remove(path);
}

// The engine keeps its own copy of the playing-list mode and the completion action.
void ProgramSettings::followMenuChecks() {
    const MainMenus& m = p_.menus;
    p_.engine.setListMode(EndOfScore::ListMode(m.checkedIn(MainMenus::kListModes)));
    p_.engine.setCompletionAction(Transport::completionAction(m.checkedIn(MainMenus::kCompletionActions)));
}

// A first start, or a file from before these menus, checks the usual entry of each: the computer
// keys, the written speed, waiting for the right key.
void ProgramSettings::keepOneChoiceEach() {
    const auto keepOne = [this](const auto& group, int usual) {
        const int checked = p_.menus.checkedIn(group);
        p_.menus.checkOnly(group[size_t(checked >= 0 ? checked : usual)], group);
    };
    keepOne(MainMenus::kKeyLabelModes, 0);
    keepOne(MainMenus::kSpeeds, MainMenus::kNormalSpeed);
    keepOne(MainMenus::kPracticeWays, 0);
}

void ProgramSettings::applyViewState() {
    MainMenus& m = p_.menus;
    // The while-playing rule holds from the start: a first start's sample plays on top.
    const bool playing = p_.transport.PlayState() == Transport::Playing;
    p_.window.SetTopmost(m.item(MenuEntry::TopmostAlways)->checked() ||
                         (playing && m.item(MenuEntry::TopmostWhilePlaying)->checked()));
    if (m.item(MenuEntry::VolumeMute)->checked()) {
        p_.volume.setMuteValue(0);
        p_.volumeCommands.muteButtonClicked();
    }
    m.item(MenuEntry::FavoritesAdd)->setEnabled(false);
    m.item(MenuEntry::FavoritesOrganize)->setEnabled(!p_.favorites.isEmpty());
    for (int bar = BottomContainerLayout::Status; bar >= 0; --bar)
        p_.window.setBarVisible(bar, m.item(MainMenus::kBarToggles[size_t(bar)])->checked());
    p_.window.setBarVisible(BottomContainerLayout::Score, m.item(MenuEntry::ViewScoreBar)->checked());
    p_.window.SetTransparency(transparencyPercent_);
}

// An index that names no entry of the list opens nothing, rather than reporting a missing file.
void ProgramSettings::reopenPlayingEntry(const QString& path) {
    if (p_.options.intPlayListOption != kListOptionReopen) return;
    const QString text = CIni().ReadIniString_(kPlaying, kPlayingIndex, path);
    if (text.isEmpty() || p_.playingList.isEmpty()) return;
    const int index = leadingNumberConversion(text);
    if (index >= 0 && index < p_.playingList.count())
        p_.opener.playAllFiles(p_.playingList.entry(index), true, true);
}

QRect ProgramSettings::firstStartGeometry() const {
    const QRect screen = p_.window.screenTwips();
    const float left = float(screen.width() - kDesignedWidth) / 2.0f;
    const float top = float(screen.height() - kDesignedHeight) / 3.0f;
    return {screen.x() + int(left), screen.y() + int(top), kDesignedWidth, kDesignedHeight};
}

// The size the window had before it was minimised, centred: a smaller stored size would put the
// shown bars over the keyboard at the next start.
QRect ProgramSettings::minimisedGeometry() const {
    const QRect screen = p_.window.screenTwips();
    const QSize size = p_.window.geometryTwips().size();
    return {screen.x() + (screen.width() - size.width()) / 2,
            screen.y() + (screen.height() - size.height()) / 3, size.width(), size.height()};
}

void ProgramSettings::SaveSettings(bool blnMinimized) {
    const QString path = settingsPath(p_.paths);
    const CIni ini;
    // One rewrite of the settings file for the whole save, not one per key.
    CIni::Batch batch(path);
    const auto write = [&](const QString& section, const QString& key, int value) {
        ini.WriteIniString_(section, key, QString::number(value), path);
    };
    const QRect g = blnMinimized ? minimisedGeometry() : p_.window.geometryTwips();
    write(kGeometry, QStringLiteral("Width"), g.width());
    write(kGeometry, QStringLiteral("Height"), g.height());
    write(kGeometry, QStringLiteral("Top"), g.top());
    write(kGeometry, QStringLiteral("Left"), g.left());
    write(kLists, kDeviceKey, p_.sound.deviceIndex());
    write(kLists, kInstrumentKey, p_.sound.instrumentIndex());
    write(kLists, kChannelKey, p_.sound.channel());
    write(kBars, kPitchKey, p_.sound.intYindiao());
    write(kBars, kVelocityKey, p_.sound.intVelocity());
    for (const MenuItem* item : p_.menus.rememberedChecks())
        ini.WriteIniTF_(kChecks, item->caption(), item->checked(), path);
    write(kVolume, kVolumeKey, qint16(p_.volume.Volume()));
    p_.recentFiles.save(path);

    if (p_.options.intPlayListOption == kListOptionForget) p_.playingList.clear();
    PlaylistFile::save(PlaylistFile::playingListPath(p_.paths), p_.playingList.entries());
    if (p_.options.intPlayListOption == kListOptionReopen)
        write(kPlaying, kPlayingIndex, p_.opener.intPlayingIndex());
    FavoritesStore::save(FavoritesStore::path(p_.paths), p_.favorites);
}
