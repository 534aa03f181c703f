// The program's command line as a shell runs it: the built program, no display, no Qt platform.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome runTonvale(const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TONVALE_PROGRAM), arguments);
    if (!program.waitForFinished(60000)) return {};
    return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
            QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError())};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(CommandLine, HelpAndVersionRunWithoutADisplayAndAnUnknownOptionIsAUsageError) {
    const Outcome help = runTonvale({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    for (const char* form : {"--check FILE...", "--export-midi IN.piano OUT.mid",
                             "--import-midi IN.mid OUT.piano",
                             "--export-pdf IN.piano OUT.pdf [--no-keys]",
                             "--export-audio IN.piano OUT", "--export-musicxml IN.piano OUT.musicxml",
                             "--import-musicxml IN.musicxml OUT.piano", "--help", "--version"})
        EXPECT_TRUE(help.out.contains(QLatin1String(form))) << form;

    const Outcome version = runTonvale({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.out.startsWith(QStringLiteral("tonvale 1."))) << version.out.toStdString();

    const Outcome unknown = runTonvale({QStringLiteral("--frobnicate")});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("--frobnicate")));
    EXPECT_EQ(runTonvale({QStringLiteral("--export-midi"), QStringLiteral("only-one")}).exitCode, 2);
}

TEST(CommandLine, AConversionNeverWritesOverItsInputAndTellsAFolderFromAMissingFile) {
    QTemporaryDir dir;
    const QString score = dir.filePath(QStringLiteral("a.piano"));
    const QByteArray text = "%0\r\n!C\r\n?4/4\r\n$120\r\n1+4\r\n2+4";
    QFile file(score);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    const QString link = dir.filePath(QStringLiteral("link.mid"));
    ASSERT_TRUE(QFile::link(score, link));

    for (const QString& out : {score, link, dir.filePath(QStringLiteral("./a.piano"))}) {
        for (const QString& command :
             {QStringLiteral("--export-midi"), QStringLiteral("--export-audio")}) {
            const Outcome same = runTonvale({command, score, out});
            EXPECT_EQ(same.exitCode, 1) << out.toStdString();
            EXPECT_TRUE(same.err.contains(QStringLiteral("输入文件"))) << same.err.toStdString();
        }
    }
    EXPECT_EQ(contents(score), text);

    const Outcome folder = runTonvale({QStringLiteral("--import-midi"), dir.path(),
                                       dir.filePath(QStringLiteral("out.piano"))});
    EXPECT_EQ(folder.exitCode, 1);
    EXPECT_TRUE(folder.err.contains(QStringLiteral("文件夹"))) << folder.err.toStdString();
    const Outcome missing = runTonvale({QStringLiteral("--import-midi"),
                                        dir.filePath(QStringLiteral("none.mid")),
                                        dir.filePath(QStringLiteral("out.piano"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("不存在")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("out.piano"))));

    const QString midi = dir.filePath(QStringLiteral("a.mid"));
    EXPECT_EQ(runTonvale({QStringLiteral("--export-midi"), score, midi}).exitCode, 0);
    EXPECT_TRUE(contents(midi).startsWith("MThd"));

    // A score without notes would only replace the good file.
    const QString silent = dir.filePath(QStringLiteral("silent.piano"));
    QFile silentFile(silent);
    ASSERT_TRUE(silentFile.open(QIODevice::WriteOnly));
    silentFile.write("%0\r\n!C\r\n?4/4\r\n$120\r\n0+4\r\n");
    silentFile.close();
    const QByteArray good = contents(midi);
    const Outcome empty = runTonvale({QStringLiteral("--export-midi"), silent, midi});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains(QStringLiteral("没有音符"))) << empty.err.toStdString();
    EXPECT_EQ(contents(midi), good);
}

TEST(CommandLine, ThePdfExportRunsWithoutADisplayAndNeverReplacesAGoodFileWithAFailedOne) {
    QTemporaryDir dir;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QByteArray text = "%0\r\n!C\r\n?4/4\r\n$120\r\n#title\r\n1+4\r\n2+4\r\n3+2";
    const QString score = write(QStringLiteral("a.piano"), text);
    const QString empty = write(QStringLiteral("empty.piano"), "%0\r\n!C\r\n?4/4\r\n$120");
    const QString pdf = dir.filePath(QStringLiteral("a.pdf"));
    const QString plain = dir.filePath(QStringLiteral("plain.pdf"));
    const QString option = QStringLiteral("--export-pdf");

    EXPECT_EQ(runTonvale({option, score, pdf}).exitCode, 0);
    EXPECT_TRUE(contents(pdf).startsWith("%PDF"));
    EXPECT_EQ(runTonvale({option, score, plain, QStringLiteral("--no-keys")}).exitCode, 0);
    EXPECT_LT(contents(plain).size(), contents(pdf).size()); // without the key names

    const QByteArray good = contents(pdf);
    const Outcome nothing = runTonvale({option, empty, pdf});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_TRUE(nothing.err.contains(QStringLiteral("没有可打印的音符")))
        << nothing.err.toStdString();
    EXPECT_EQ(contents(pdf), good);
    EXPECT_EQ(runTonvale({option, score, score}).exitCode, 1);
    EXPECT_EQ(contents(score), text);
    EXPECT_EQ(runTonvale({option, score}).exitCode, 2);
    EXPECT_EQ(runTonvale({option, score, pdf, plain}).exitCode, 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 4); // no temporary file left
}

// A score goes out as MusicXML and comes back as a score; a file that is no MusicXML writes
// nothing and leaves an existing output as it was.
TEST(CommandLine, MusicXmlOutAndBackIn) {
    QTemporaryDir dir;
    const QString score = dir.filePath(QStringLiteral("歌.piano"));
    QFile file(score);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("%0\r\n!C\r\n?4/4\r\n$120\r\n1+4\r\n2+8\r\n3+8\r\n5+2");
    file.close();
    const QString xml = dir.filePath(QStringLiteral("歌.musicxml"));
    EXPECT_EQ(runTonvale({QStringLiteral("--export-musicxml"), score, xml}).exitCode, 0);
    EXPECT_TRUE(contents(xml).contains("<score-partwise version=\"4.0\">"));
    const QString back = dir.filePath(QStringLiteral("back.piano"));
    EXPECT_EQ(runTonvale({QStringLiteral("--import-musicxml"), xml, back}).exitCode, 0);
    EXPECT_TRUE(contents(back).endsWith("1+4.0\r\n2+8.0\r\n3+8.0\r\n5+2.0")) << contents(back).toStdString();

    const QString kept = dir.filePath(QStringLiteral("kept.piano"));
    QFile keptFile(kept);
    ASSERT_TRUE(keptFile.open(QIODevice::WriteOnly));
    keptFile.write("kept");
    keptFile.close();
    const Outcome refused = runTonvale({QStringLiteral("--import-musicxml"), score, kept});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("MusicXML"))) << refused.err.toStdString();
    EXPECT_EQ(contents(kept), QByteArray("kept"));
}

TEST(CommandLine, AScoreBecomesAnAudioFileWithoutASoundCardAndAnEmptyOneIsRefused) {
    QTemporaryDir dir;
    const QString score = dir.filePath(QStringLiteral("a.piano"));
    const QString empty = dir.filePath(QStringLiteral("empty.piano"));
    for (const auto& [path, text] :
         {std::pair{score, QByteArray("%0\r\n$120\r\n?4/4\r\n1+4\r\n2+4")},
          std::pair{empty, QByteArray()}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    const QString audio = dir.filePath(QStringLiteral("a.ogg"));
    const Outcome done = runTonvale({QStringLiteral("--export-audio"), score, audio});
    EXPECT_EQ(done.exitCode, 0) << done.err.toStdString();
    EXPECT_TRUE(contents(audio).startsWith("OggS"));

    const Outcome refused = runTonvale(
        {QStringLiteral("--export-audio"), empty, dir.filePath(QStringLiteral("b.wav"))});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("没有发声的音符")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("b.wav"))));
}

// The manual page as its source reads with the escapes and quotes of its macros taken out.
QString manualPageText() {
    QString text = QString::fromUtf8(contents(QStringLiteral(TONVALE_MANUAL_PAGE)));
    text.replace(QStringLiteral("\\-"), QStringLiteral("-")).remove(QLatin1Char('"'));
    return text.simplified();
}

TEST(CommandLine, TheManualPageShowsEveryFormThatHelpLists) {
    const QString page = manualPageText();
    ASSERT_FALSE(page.isEmpty());
    int forms = 0;
    for (const QString& line : runTonvale({QStringLiteral("--help")}).out.split('\n')) {
        if (!line.startsWith(QStringLiteral("  --"))) continue;
        // The form ends where its description begins: at a gap of blanks, or at the first
        // Chinese character when the form fills its column.
        const qsizetype gap = line.indexOf(QStringLiteral("  "), 2);
        const QString column = line.left(gap < 0 ? line.size() : gap);
        const auto chinese = std::find_if(column.begin(), column.end(),
                                          [](QChar c) { return c.unicode() >= 0x80; });
        const QString form = column.left(chinese - column.begin()).simplified();
        EXPECT_TRUE(page.contains(form)) << form.toStdString();
        ++forms;
    }
    EXPECT_GE(forms, 7);
}

} // namespace
