#include "score/ScoreFile.h"

#include "platform/GbkCodec.h"

#include <QFile>
#include <QFileInfo>

namespace ScoreFile {
namespace {

// Only a regular file is opened: opening a pipe that nobody writes to would block for ever, and
// a device such as /dev/zero never ends.
bool openRegular(QFile& file) {
    return QFileInfo(file.fileName()).isFile() && file.open(QIODevice::ReadOnly);
}

} // namespace

ReadResult readWhole(const QString& path, qint64 maxBytes, bool requireText) {
    QFile file(path);
    if (!openRegular(file)) return {{}, ReadError::Unreadable};
    // The file may grow between the size check and the read, so the limit is enforced on the read.
    if (file.size() > maxBytes) return {{}, ReadError::TooLarge};
    ReadResult result;
    result.bytes = file.read(maxBytes + 1);
    if (file.error() != QFileDevice::NoError) return {{}, ReadError::Unreadable};
    if (result.bytes.size() > maxBytes) return {{}, ReadError::TooLarge};
    if (requireText && result.bytes.contains('\0')) return {{}, ReadError::NotText};
    return result;
}

QString errorText(ReadError error) {
    switch (error) {
    case ReadError::None:
        break;
    case ReadError::Unreadable:
        return QStringLiteral("错误：无法读取乐谱文件！请确认文件可以访问！");
    case ReadError::TooLarge:
        return QStringLiteral("错误：乐谱文件太大（超过 16 MB），无法打开！");
    case ReadError::NotText:
        return QStringLiteral("错误：该文件不是文本格式的乐谱，无法打开！");
    }
    return {};
}

QByteArray readLeadingRows(const QString& path, int rowCount, qint64 maxBytes) {
    QFile file(path);
    if (rowCount <= 0 || maxBytes <= 0 || !openRegular(file)) return {};
    constexpr qint64 kChunk = 4096;
    // One byte beyond the limit shows whether the limit falls inside a two-byte character.
    const qint64 readLimit = maxBytes + 1;
    QByteArray bytes;
    int rowsSeen = 0;
    qsizetype searchFrom = 0;
    while (bytes.size() < readLimit) {
        const QByteArray chunk = file.read(std::min(kChunk, readLimit - bytes.size()));
        if (chunk.isEmpty()) break; // end of file, or a read error: what was read stands
        bytes += chunk;
        for (;;) {
            const qsizetype at = bytes.indexOf("\r\n", searchFrom);
            // A CR at the very end may pair with an LF of the next chunk: look at it again.
            if (at < 0) {
                searchFrom = std::max<qsizetype>(0, bytes.size() - 1);
                break;
            }
            searchFrom = at + 2;
            if (++rowsSeen == rowCount && at + 2 <= maxBytes) return bytes.first(at + 2);
        }
    }
    return bytes.first(GbkCodec::boundaryAtOrBefore(bytes, maxBytes));
}

} // namespace ScoreFile
