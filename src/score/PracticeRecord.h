#pragma once
// The record of practice progress: every finished practice run, kept per score (by its full path)
// in the data file "INI/练习记录.Practice", the last 100 of each score. The file is read when
// first needed and again whenever it changed on disk; adding a run rewrites it atomically from
// the blocks held in memory, re-encoding only the block of the score practised.
#include "platform/FileSignature.h"
#include "score/PracticeRun.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

#include <optional>

class AppPaths;

class PracticeRecord : public QObject {
    Q_OBJECT
public:
    struct Highlights {
        // The highest share right first time (on a tie the longer run, then the later one).
        std::optional<PracticeRun> best;
        std::optional<PracticeRun> last;
    };

    static QString path(const AppPaths& paths);
    // How the record names a score: its absolute path, cleaned; "" for no path.
    static QString scoreKey(const QString& scorePath);

    explicit PracticeRecord(QString filePath, QObject* parent = nullptr);

    // The score's runs, oldest first; none when it was never practised.
    QList<PracticeRun> runs(const QString& scorePath);
    Highlights highlights(const QString& scorePath);

public slots:
    // Keeps the run, dropping the score's oldest beyond the last 100, and saves the file at once.
    // False when there is no path or the run's counts do not add up (it is not kept), or when
    // the file could not be written (it is kept for this run of the program, and reported).
    bool add(const QString& scorePath, const PracticeRun& run);

signals:
    // For the status bar: the file was damaged, or could not be saved.
    void statusMessage(const QString& text);
    void runAdded(const QString& scoreKey);

private:
    struct Block {
        QString scoreKey;
        QList<PracticeRun> runs;
        QByteArray bytes; // the block as the file holds it; empty until it is needed
    };

    // Reads the file again when it is not the version held.
    void refresh();
    void load();
    bool save();
    const QList<PracticeRun>* runsOf(const QString& scorePath);

    QString filePath_;
    bool loaded_ = false;
    FileSignature signature_;
    QList<Block> blocks_;
    QHash<QString, qsizetype> index_;
    qsizetype runCount_ = 0;
};
