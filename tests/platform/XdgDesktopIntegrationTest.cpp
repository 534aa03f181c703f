#include "platform/XdgDesktopIntegration.h"

#include "core/AppPaths.h"
#include "platform/IcoContainer.h"
#include "support/EnvironmentGuard.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kProgram = "/opt/Tonvale 1/tonvale";

DesktopFileType scoreType(const QString& icon, const QStringList& command = {kProgram, "%1"}) {
    return {"application/x-tonvale-piano", "*.piano", "Qor_Tonvale乐谱文件", icon, command};
}

DesktopFileType playlistType(const QString& icon, const QStringList& command = {kProgram, "%1"}) {
    return {"application/x-tonvale-plist", "*.plist", "Qor_Tonvale播放列表", icon, command};
}

struct XdgDesktopIntegrationTest : testing::Test {
    XdgDesktopIntegrationTest() {
        write("icons/piano.ico", EmbeddedIconBytes(104));
        write("icons/playList.ico", EmbeddedIconBytes(102));
    }
    QString data(const QString& relative) const { return home.filePath("share/" + relative); }
    QString icon(const QString& name) const { return home.filePath("icons/" + name); }
    void write(const QString& relative, const QByteArray& bytes) const {
        const QString path = home.filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // Every file below the data folder with its bytes.
    QMap<QString, QByteArray> snapshot() const {
        QMap<QString, QByteArray> files;
        QDirIterator it(data(""), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(path.mid(data("").size()), read(path));
        }
        return files;
    }
    XdgDesktopIntegration integration() {
        return XdgDesktopIntegration(
            data("").chopped(1), {"tonvale", "Tonvale", "Tonvale 电脑钢琴", EmbeddedIconBytes(104)},
            [this](const QString& tool, const QStringList& arguments) {
                calls << tool + ' ' + arguments.join(' ');
            });
    }

    QTemporaryDir home;
    QStringList calls;
};

TEST_F(XdgDesktopIntegrationTest, ARegisteredTypeGetsItsMimePackageIconsAndTheDesktopEntry) {
    integration().apply({scoreType(icon("piano.ico")), playlistType({}, {})});

    const QString package = read(data("mime/packages/application-x-tonvale-piano.xml"));
    EXPECT_TRUE(package.contains(R"(<mime-type type="application/x-tonvale-piano">)"))
        << package.toStdString();
    EXPECT_TRUE(package.contains(R"(<glob pattern="*.piano"/>)"));
    EXPECT_TRUE(package.contains(R"(<sub-class-of type="text/plain"/>)"));
    EXPECT_TRUE(package.contains("<comment>Qor_Tonvale乐谱文件</comment>"));
    EXPECT_TRUE(package.contains(R"(<icon name="application-x-tonvale-piano"/>)"));
    EXPECT_FALSE(QFile::exists(data("mime/packages/application-x-tonvale-plist.xml")));

    const QList<IcoContainer::Frame> frames = IcoContainer::parse(EmbeddedIconBytes(104));
    ASSERT_EQ(frames.size(), 7);
    for (const IcoContainer::Frame& frame : frames) {
        const QString size = QString("%1x%1").arg(frame.width);
        for (const QString file :
             {"mimetypes/application-x-tonvale-piano.png", "apps/tonvale.png"}) {
            const QByteArray png = read(data("icons/hicolor/" + size + "/" + file));
            EXPECT_EQ(png, frame.data) << size.toStdString() << ' ' << file.toStdString();
            EXPECT_EQ(QImage::fromData(png).size(), QSize(frame.width, frame.width));
        }
    }

    EXPECT_EQ(QString(read(data("applications/tonvale.desktop"))),
              QString("[Desktop Entry]\nType=Application\nName=Tonvale\nComment=Tonvale 电脑钢琴\n"
                      "Exec=\"/opt/Tonvale 1/tonvale\" %f\nTryExec=/opt/Tonvale 1/tonvale\n"
                      "Icon=tonvale\nTerminal=false\nCategories=AudioVideo;Audio;Music;\n"
                      "MimeType=application/x-tonvale-piano;\n"));
    EXPECT_EQ(calls, QStringList({"update-mime-database " + data("mime"),
                                  "update-desktop-database " + data("applications")}));
}

TEST_F(XdgDesktopIntegrationTest, NothingIsWrittenOrRefreshedWhenNothingChanged) {
    integration().apply({scoreType(icon("piano.ico")), playlistType(icon("playList.ico"))});
    const auto before = snapshot();
    calls.clear();
    integration().apply({scoreType(icon("piano.ico")), playlistType(icon("playList.ico"))});
    EXPECT_EQ(snapshot(), before);
    EXPECT_TRUE(calls.isEmpty()) << calls.join('\n').toStdString();
}

TEST_F(XdgDesktopIntegrationTest, UnregisteringEverythingRemovesExactlyWhatWasWritten) {
    write("share/mime/packages/other.xml", "<other/>");
    write("share/applications/other.desktop", "[Desktop Entry]\n");
    write("share/icons/hicolor/48x48/mimetypes/text-plain.png", "png");
    write("share/icons/hicolor/scalable/apps/other.svg", "<svg/>");
    const auto before = snapshot();
    integration().apply({scoreType(icon("piano.ico")), playlistType(icon("playList.ico"))});
    EXPECT_GT(snapshot().size(), before.size() + 20);
    calls.clear();
    integration().apply({scoreType({}, {}), playlistType({}, {})});
    EXPECT_EQ(snapshot().keys(), before.keys());
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(calls.size(), 2);
}

TEST_F(XdgDesktopIntegrationTest, OneTypeTurnedOffLeavesTheOther) {
    integration().apply({scoreType(icon("piano.ico")), playlistType(icon("playList.ico"))});
    EXPECT_TRUE(
        read(data("applications/tonvale.desktop"))
            .contains("MimeType=application/x-tonvale-piano;application/x-tonvale-plist;\n"));
    integration().apply({scoreType(icon("piano.ico")), playlistType(icon("playList.ico"), {})});
    EXPECT_TRUE(read(data("applications/tonvale.desktop"))
                    .contains("MimeType=application/x-tonvale-piano;\n"));
    EXPECT_FALSE(QFile::exists(data("mime/packages/application-x-tonvale-plist.xml")));
    EXPECT_FALSE(
        QFile::exists(data("icons/hicolor/32x32/mimetypes/application-x-tonvale-plist.png")));
    EXPECT_TRUE(
        QFile::exists(data("icons/hicolor/32x32/mimetypes/application-x-tonvale-piano.png")));
    EXPECT_TRUE(QFile::exists(data("icons/hicolor/32x32/apps/tonvale.png")));
}

TEST_F(XdgDesktopIntegrationTest, AMissingOrBrokenIconFileGivesNoIconsButTheTypeStays) {
    write("icons/broken.ico", "not an icon");
    integration().apply({scoreType(icon("missing.ico")), playlistType(icon("broken.ico"))});
    EXPECT_TRUE(QFile::exists(data("mime/packages/application-x-tonvale-piano.xml")));
    EXPECT_TRUE(QFile::exists(data("mime/packages/application-x-tonvale-plist.xml")));
    EXPECT_FALSE(
        QFile::exists(data("icons/hicolor/48x48/mimetypes/application-x-tonvale-piano.png")));
    EXPECT_FALSE(
        QFile::exists(data("icons/hicolor/48x48/mimetypes/application-x-tonvale-plist.png")));
}

TEST_F(XdgDesktopIntegrationTest, AnExistingUserIconCacheIsRebuilt) {
    write("share/icons/hicolor/icon-theme.cache", "cache");
    integration().apply({scoreType(icon("piano.ico")), playlistType({}, {})});
    EXPECT_TRUE(calls.contains("gtk-update-icon-cache -f -t " + data("icons/hicolor")));
}

struct ExecCase {
    const char* label;
    QStringList command;
    const char* execLine;
};

void PrintTo(const ExecCase& c, std::ostream* os) {
    *os << c.label;
}

class DesktopExec : public XdgDesktopIntegrationTest,
                    public testing::WithParamInterface<ExecCase> {};

TEST_P(DesktopExec, QuotesTheProgramAsTheDesktopEntryRulesWant) {
    integration().apply({scoreType({}, GetParam().command)});
    const QStringList lines = QString(read(data("applications/tonvale.desktop"))).split('\n');
    EXPECT_TRUE(lines.contains(QString("Exec=") + GetParam().execLine))
        << lines.join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Programs, DesktopExec,
    testing::Values(ExecCase{"plain", {"/usr/bin/tonvale", "%1"}, "/usr/bin/tonvale %f"},
                    ExecCase{"blank", {"/a b/tonvale", "%1"}, R"("/a b/tonvale" %f)"},
                    ExecCase{"dollar", {"/a$b/tonvale", "%1"}, R"("/a\\$b/tonvale" %f)"},
                    ExecCase{"quote", {"/a\"b/tonvale", "%1"}, R"("/a\\"b/tonvale" %f)"},
                    ExecCase{"backslash", {"/a\\b/tonvale", "%1"}, R"("/a\\\\b/tonvale" %f)"},
                    ExecCase{"percent", {"/100%/tonvale", "%1"}, "/100%%/tonvale %f"},
                    ExecCase{"noFile", {"/usr/bin/tonvale"}, "/usr/bin/tonvale"}));

// The real tools, where installed, on a data folder of our own (desktop-file-utils and
// shared-mime-info).
TEST_F(XdgDesktopIntegrationTest, TheMimeDatabaseLearnsAndForgetsTheType) {
    if (QStandardPaths::findExecutable("update-mime-database").isEmpty())
        GTEST_SKIP() << "update-mime-database is not installed";
    const auto real = [this](bool registered) {
        XdgDesktopIntegration(data("").chopped(1),
                              {"tonvale", "Tonvale", "", EmbeddedIconBytes(104)})
            .apply({scoreType(icon("piano.ico"),
                              registered ? QStringList{kProgram, "%1"} : QStringList{})});
    };
    real(true);
    EXPECT_TRUE(QFile::exists(data("mime/application/x-tonvale-piano.xml")));
    if (!QStandardPaths::findExecutable("update-desktop-database").isEmpty()) {
        EXPECT_TRUE(read(data("applications/mimeinfo.cache"))
                        .contains("application/x-tonvale-piano=tonvale.desktop;"));
    }
    if (const QString validate = QStandardPaths::findExecutable("desktop-file-validate");
        !validate.isEmpty()) {
        QProcess check;
        check.setProcessChannelMode(QProcess::MergedChannels);
        check.start(validate, {data("applications/tonvale.desktop")});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.exitCode(), 0);
        EXPECT_EQ(check.readAll(), QByteArray());
    }
    EXPECT_TRUE(read(data("mime/globs2")).contains("application/x-tonvale-piano:*.piano"));
    real(false);
    EXPECT_FALSE(QFile::exists(data("mime/application/x-tonvale-piano.xml")));
    EXPECT_FALSE(read(data("mime/globs2")).contains("x-tonvale"));
}

// The real tool runner on a PATH where the first refresh tool is missing and the second is a
// stand-in that notes how it was called: the missing one is passed over, the rest goes on.
TEST_F(XdgDesktopIntegrationTest, AMissingToolIsPassedOver) {
    EnvironmentGuard pathGuard("PATH");
    const QString tools = home.filePath("bin");
    const QString calledWith = home.filePath("called-with");
    write("bin/update-desktop-database",
          "#!/bin/sh\necho \"$@\" > '" + calledWith.toUtf8() + "'\n");
    QFile::setPermissions(tools + "/update-desktop-database",
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", tools.toUtf8());

    XdgDesktopIntegration(data("").chopped(1), {"tonvale", "Tonvale", "", EmbeddedIconBytes(104)})
        .apply({scoreType(icon("piano.ico"))});
    EXPECT_TRUE(QFile::exists(data("mime/packages/application-x-tonvale-piano.xml")));
    EXPECT_EQ(read(calledWith).toStdString(), (data("applications") + '\n').toStdString());
}

TEST(XdgDesktopIntegration, TheUserDataFolderFollowsXdgDataHomeElseHome) {
    EnvironmentGuard home("HOME"), xdg("XDG_DATA_HOME");
    QTemporaryDir temp;
    qputenv("HOME", temp.path().toUtf8());
    qputenv("XDG_DATA_HOME", (temp.path() + "/xdg").toUtf8());
    EXPECT_EQ(XdgDesktopIntegration::userDataHome(), temp.path() + "/xdg");
    qputenv("XDG_DATA_HOME", "relative/ignored");
    EXPECT_EQ(XdgDesktopIntegration::userDataHome(), temp.path() + "/.local/share");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(XdgDesktopIntegration::userDataHome(), temp.path() + "/.local/share");
}

} // namespace
