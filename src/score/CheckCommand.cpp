#include "score/CheckCommand.h"

#include "score/ScoreCheck.h"
#include "score/ScoreFile.h"
#include "score/ScoreText.h"

#include <algorithm>

namespace CheckCommand {

int run(const QStringList& paths, const NoteTable& notes, QTextStream& out, QTextStream& err) {
    if (paths.isEmpty()) {
        err << "usage: tonvale --check FILE...\n";
        return kUnreadable;
    }
    int result = kClean;
    for (const QString& path : paths) {
        const ScoreFile::ReadResult file = ScoreFile::readWhole(path);
        if (file.error != ScoreFile::ReadError::None) {
            err << path << ": "
                << (file.error == ScoreFile::ReadError::TooLarge ? "文件太大，无法读取"
                    : file.error == ScoreFile::ReadError::NotText ? "不是文本文件，无法读取"
                                                                  : "无法读取")
                << '\n';
            result = kUnreadable;
            continue;
        }
        const QList<ScoreFinding> findings =
            ScoreCheck::check(ScoreText::decode(file.bytes), notes);
        for (const ScoreFinding& finding : findings)
            out << path << ':' << finding.line << ": " << finding.reason << '\n';
        if (!findings.isEmpty()) result = std::max(result, kFound);
    }
    out.flush();
    err.flush();
    return result;
}

} // namespace CheckCommand
