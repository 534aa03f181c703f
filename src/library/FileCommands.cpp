#include "library/FileCommands.h"

#include "core/AppPaths.h"
#include "core/FileTypes.h"
#include "library/PlaylistFile.h"
#include "score/PlaybackEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
constexpr int kClearListFirst = 2;
const QString kPlaylistFilter = QStringLiteral("播放列表 (*.plist)|*.plist");
} // namespace

const QString FileCommands::kOpenFilter =
    QStringLiteral("Qor_Tonvale乐谱文件 (*.piano)|*.piano|播放列表 (*.plist)|*.plist|"
                   "MIDI 文件 (*.mid;*.midi)|*.mid;*.midi|"
                   "MusicXML 文件 (*.musicxml;*.xml;*.mxl)|*.musicxml;*.xml;*.mxl|所有文件 (*.*)|*.*");

FileCommands::FileCommands(FileOpener& opener, PlaybackEngine& engine, ListPair& playingList,
                           const ProgramOptions& options, MessageSink& messages,
                           FileDialogs& dialogs, QObject* parent)
    : QObject(parent), opener_(opener), engine_(engine), playingList_(playingList),
      options_(options), messages_(messages), dialogs_(dialogs) {}

void FileCommands::open(int activeList, ListPair& active) {
    const QStringList paths = dialogs_.getOpenFileNames(QStringLiteral("打开..."), kOpenFilter, true);
    if (!paths.isEmpty()) openChosen(paths, activeList, active);
}

void FileCommands::openChosen(const QStringList& paths, int activeList, ListPair& active) {
    if (options_.intPlayListOption == kClearListFirst && activeList == 0) playingList_.clear();
    // One file chosen for the playing list joins it when it is opened.
    if (paths.size() > 1 || activeList == 1)
        for (const QString& path : paths)
            active.AddListEntry(path, QString(), ListPair::DuplicateTest::OnEntries);
    if (!paths.value(0).isEmpty()) opener_.playAllFiles(paths[0], true, true);
}

void FileCommands::openLocation(const QString& text) {
    if (options_.intPlayListOption == kClearListFirst && PathExists(text)) playingList_.clear();
    opener_.playAllFiles(text, true, true);
}

void FileCommands::dropItems(const QStringList& paths) {
    bool cleared = false;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        if (FolderExists(path)) {
            emit folderDropped(path.endsWith(QDir::separator()) ? path : path + QDir::separator());
            continue;
        }
        if (!IsPlaylistFile(path) && !IsScoreFile(path)) continue;
        if (options_.intPlayListOption == kClearListFirst && !cleared) {
            playingList_.clear();
            cleared = true;
        }
        playingList_.AddListEntry(path, QString(), ListPair::DuplicateTest::OnEntries);
        if (i == 0) opener_.playAllFiles(path, true, true);
    }
}

bool FileCommands::saveCopy() {
    const QString source = engine_.score().strPlayingFile;
    if (source.isEmpty()) return true;
    QString ext = QFileInfo(source).fileName();
    ext = ext.contains(QLatin1Char('.')) ? ext.mid(ext.lastIndexOf(QLatin1Char('.')) + 1)
                                         : QStringLiteral("*");
    const QString target = dialogs_.getSaveFileName(
        QStringLiteral("另存为..."),
        QStringLiteral("媒体文件(*.%1)|*.%1|所有文件(*.*)|*.*").arg(ext), QStringLiteral("piano"));
    if (target.isEmpty()) return true;
    if (copyFile(source, target)) return true;
    reportWriteError();
    return false;
}

bool FileCommands::copyFile(const QString& source, const QString& target) {
    const QFileInfo from(source), to(target);
    if (to.exists() && from.canonicalFilePath() == to.canonicalFilePath()) return true;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly)) return false;
    constexpr qint64 kChunk = 1 << 20;
    for (;;) {
        const QByteArray chunk = in.read(kChunk);
        if (chunk.isEmpty()) {
            if (in.error() != QFileDevice::NoError) return false;
            break;
        }
        if (out.write(chunk) != chunk.size()) return false;
    }
    return out.commit();
}

bool FileCommands::savePlaylist() {
    const QString path =
        dialogs_.getSaveFileName(QStringLiteral("保存播放列表..."), kPlaylistFilter, QStringLiteral("plist"));
    if (path.isEmpty()) return true;
    if (PlaylistFile::save(path, playingList_.entries())) return true;
    reportWriteError();
    return false;
}

void FileCommands::openPlaylist() {
    const QStringList chosen = dialogs_.getOpenFileNames(QStringLiteral("打开..."), kPlaylistFilter, false);
    if (!chosen.isEmpty()) opener_.LoadPlaylistFile(chosen.first());
}

void FileCommands::reportWriteError() {
    messages_.show(errorMessage(QStringLiteral("错误：无法写入文件！请确认文件位置可以写入！")));
}
