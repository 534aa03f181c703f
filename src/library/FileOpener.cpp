#include "library/FileOpener.h"

#include "core/AppPaths.h"
#include "core/FileTypes.h"
#include "library/ListEntry.h"
#include "library/MOthers.h"
#include "library/PlaylistFile.h"
#include "score/PlaybackEngine.h"

namespace {
constexpr int kClearListFirst = 2;

// A position suffix names the row to start after; without one a restart starts at the top and
// anything else goes on from the current row.
std::optional<qint32> startRow(const ListEntry& entry, bool restart) {
    if (entry.hasRow) return entry.row;
    return restart ? std::optional<qint32>(0) : std::nullopt;
}

} // namespace

FileOpener::FileOpener(PlaybackEngine& engine, ListPair& playingList, RecentFiles& recentFiles,
                       const ProgramOptions& options, MessageSink& messages, QObject* parent)
    : QObject(parent), engine_(engine), playingList_(playingList), recentFiles_(recentFiles),
      options_(options), messages_(messages) {}

void FileOpener::reportMissing() {
    messages_.show(errorMessage(QStringLiteral("错误：文件不存在！请确认文件位置！")));
}

qint32 FileOpener::playAllFiles(const QString& strFileName, bool blnRestart, bool blnAddRecent) {
    const ListEntry entry = ListEntry::split(strFileName);
    if (!PathExists(entry.path)) {
        reportMissing();
        return engine_.lngTotalRow();
    }
    if (IsScoreFile(entry.path)) {
        const std::optional<qint32> rows =
            engine_.openScore(entry.path, startRow(entry, blnRestart));
        // A score that exists but cannot be read has been reported; the one playing stays.
        if (!rows) return engine_.lngTotalRow();
        if (blnAddRecent) playingList_.AddListEntry(strFileName, QString(), ListPair::DuplicateTest::OnEntries);
        markPlaying(strFileName);
        if (blnAddRecent) {
            recentFiles_.AddRecentFile(strFileName);
            showTitle();
        }
        return *rows;
    }
    if (IsPlaylistFile(entry.path)) return LoadPlaylistFile(entry.path);
    for (const FileImport& import : std::as_const(imports_))
        if (import.opens(entry.path)) {
            const QString score = import.importForPlaying(entry.path);
            return score.isEmpty() ? engine_.lngTotalRow() : playAllFiles(score, true, blnAddRecent);
        }
    messages_.show(errorMessage(QStringLiteral("错误：未知文件格式！")));
    return engine_.lngTotalRow();
}

qint32 FileOpener::LoadPlaylistFile(const QString& path) {
    if (options_.intPlayListOption == kClearListFirst) playingList_.clear();
    PlaylistFile::appendTo(path, playingList_);
    const QString first = playingList_.entry(0);
    const ListEntry entry = ListEntry::split(first);
    if (!PathExists(entry.path)) {
        reportMissing();
        return engine_.lngTotalRow();
    }
    const std::optional<qint32> rows = engine_.openScore(entry.path, startRow(entry, true));
    if (!rows) return engine_.lngTotalRow();
    markPlaying(first);
    recentFiles_.AddRecentFile(first);
    showTitle();
    return *rows;
}

void FileOpener::markPlaying(const QString& entry) {
    const int row = playingList_.selectEntry(entry);
    if (row >= 0) intPlayingIndex_ = row;
}

void FileOpener::showTitle() {
    if (const auto caption = TitleCaption(options_.intTitleOption, savedCaption_, engine_.score().strPlayingFile))
        emit captionChanged(*caption);
}
