#include "library/PlayingListStore.h"

#include "core/CIni.h"
#include "core/NumberText.h"
#include "library/FileOpener.h"
#include "library/PlaylistFile.h"

namespace {
constexpr int kResumeLastList = 0;
constexpr int kClearAtExit = 3;
const QString kSection = QStringLiteral("正在播放");
const QString kIndex = QStringLiteral("Index");
} // namespace

PlayingListStore::PlayingListStore(const AppPaths& paths, ListPair& playingList, FileOpener& opener,
                                   const ProgramOptions& options)
    : paths_(paths), playingList_(playingList), opener_(opener), options_(options) {}

QString PlayingListStore::settingsPath() const {
    return paths_.iniFile(QStringLiteral("程序设置"), QStringLiteral(".INI"));
}

void PlayingListStore::restore() {
    PlaylistFile::appendTo(PlaylistFile::playingListPath(paths_), playingList_);
}

void PlayingListStore::resume() {
    if (options_.intPlayListOption != kResumeLastList || playingList_.isEmpty()) return;
    const QString index = CIni().ReadIniString_(kSection, kIndex, settingsPath());
    if (index.isEmpty()) return;
    opener_.playAllFiles(playingList_.entry(NumberText::leadingInt32(index)), true, true);
}

bool PlayingListStore::save() {
    if (options_.intPlayListOption == kClearAtExit) playingList_.clear();
    bool ok = PlaylistFile::save(PlaylistFile::playingListPath(paths_), playingList_.entries());
    if (options_.intPlayListOption == kResumeLastList)
        ok = CIni().WriteIniString_(kSection, kIndex, QString::number(opener_.intPlayingIndex()),
                                    settingsPath()) &&
             ok;
    return ok;
}
