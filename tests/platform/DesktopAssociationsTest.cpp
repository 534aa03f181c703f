// The association logic over the real desktop integration, in a home folder of its own.
#include "platform/XdgDesktopIntegration.h"
#include "settings/FileAssociations.h"
#include "support/EnvironmentGuard.h"
#include "support/TempProgramFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct DesktopAssociationsTest : testing::Test {
    DesktopAssociationsTest() {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
        program.write("INI/.keep", {});
        program.write("ICON/.keep", {});
    }
    void apply(bool scores, bool playlists) {
        XdgDesktopIntegration desktop(XdgDesktopIntegration::userDataHome(),
                                      FileAssociations::desktopProgram());
        FileAssociations({program.paths(), program.file("tonvale"), {}}, desktop)
            .applyOptions({scores, playlists});
    }
    bool has(const QString& relative) const {
        return QFile::exists(home.filePath("data/" + relative));
    }
    // Our own files under the data folder; the desktop tools' caches are not ours.
    QStringList ours() const {
        QStringList files;
        QDirIterator it(home.filePath("data"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.contains("tonvale")) files << path.mid(home.filePath("data/").size());
        }
        files.sort();
        return files;
    }

    EnvironmentGuard homeGuard{"HOME"}, dataGuard{"XDG_DATA_HOME"};
    QTemporaryDir home;
    TempProgramFolder program;
};

TEST_F(DesktopAssociationsTest, TypesComeAndGoWithTheOptions) {
    apply(true, true);
    EXPECT_TRUE(has("applications/tonvale.desktop"));
    EXPECT_TRUE(has("mime/packages/application-x-tonvale-piano.xml"));
    EXPECT_TRUE(has("mime/packages/application-x-tonvale-plist.xml"));
    EXPECT_TRUE(has("icons/hicolor/48x48/mimetypes/application-x-tonvale-plist.png"));
    EXPECT_TRUE(has("icons/hicolor/256x256/apps/tonvale.png"));
    EXPECT_EQ(ours().filter("mimetypes").size(), 14);

    apply(false, true);
    EXPECT_FALSE(has("mime/packages/application-x-tonvale-piano.xml"));
    EXPECT_TRUE(ours().filter("application-x-tonvale-piano").filter("packages").isEmpty());
    EXPECT_TRUE(ours().filter("mimetypes/application-x-tonvale-piano").isEmpty());
    EXPECT_TRUE(has("applications/tonvale.desktop"));

    apply(false, false);
    // The MIME database is rebuilt without our types: no file of ours is left anywhere.
    for (const QString& file : ours())
        EXPECT_TRUE(file.startsWith("mime/")) << file.toStdString();
    EXPECT_FALSE(has("applications/tonvale.desktop"));
    EXPECT_FALSE(has("icons/hicolor/256x256/apps/tonvale.png"));
}

// The answer of a desktop tool: its standard output, trimmed; "" when it cannot run.
QString toolOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// The default application of a MIME type as xdg-mime and as GIO see it.
std::string defaultApplications(const QString& mimeType) {
    QString gio;
    const QString prefix = QStringLiteral("Default application for");
    for (const QString& line : toolOutput(QStringLiteral("gio"), {"mime", mimeType}).split('\n'))
        if (line.startsWith(prefix)) gio = line.section(QStringLiteral(": "), 1).trimmed();
    const QString xdg = toolOutput(QStringLiteral("xdg-mime"), {"query", "default", mimeType});
    return QStringLiteral("xdg-mime:%1 gio:%2").arg(xdg, gio).toStdString();
}

// The program installed system-wide as the package installs it, with the desktop's caches
// rebuilt as the package manager's triggers do; the user's own folders stay apart.
struct SystemWideInstall : DesktopAssociationsTest {
    SystemWideInstall() {
        QDir().mkpath(system.filePath("applications"));
        QDir().mkpath(system.filePath("mime/packages"));
        QFile::copy(DESKTOP_RESOURCES_DIR "/tonvale.desktop",
                    system.filePath("applications/tonvale.desktop"));
        QFile::copy(DESKTOP_RESOURCES_DIR "/tonvale-mime.xml",
                    system.filePath("mime/packages/tonvale.xml"));
        toolOutput(QStringLiteral("update-mime-database"), {system.filePath("mime")});
        toolOutput(QStringLiteral("update-desktop-database"), {system.filePath("applications")});
        // The installed entry starts "tonvale" from the PATH; any program will do here.
        QFile::copy(QStringLiteral("/bin/true"), program.file("tonvale"));
        qputenv("PATH", (program.path() + ':' + qgetenv("PATH")).toUtf8());
        qputenv("XDG_DATA_DIRS", system.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.filePath("config").toUtf8());
    }
    static bool toolsInstalled() {
        for (const char* tool :
             {"xdg-mime", "gio", "update-mime-database", "update-desktop-database"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
        return true;
    }

    EnvironmentGuard pathGuard{"PATH"}, dirsGuard{"XDG_DATA_DIRS"}, configGuard{"XDG_CONFIG_HOME"};
    QTemporaryDir system;
};

TEST_F(SystemWideInstall, TheUsersOptionsAloneDecideWhichFilesOpenHere) {
    if (!toolsInstalled()) GTEST_SKIP() << "needs xdg-utils, libglib2.0-bin, desktop-file-utils";
    const QString score = QStringLiteral("application/x-tonvale-piano");
    const QString playlist = QStringLiteral("application/x-tonvale-plist");
    const std::string none = "xdg-mime: gio:";
    const std::string ours = "xdg-mime:tonvale.desktop gio:tonvale.desktop";

    EXPECT_EQ(defaultApplications(score), none);
    apply(true, true);
    EXPECT_EQ(defaultApplications(score), ours);
    EXPECT_EQ(defaultApplications(playlist), ours);
    apply(false, true);
    EXPECT_EQ(defaultApplications(score), none);
    EXPECT_EQ(defaultApplications(playlist), ours);
    apply(false, false);
    EXPECT_EQ(defaultApplications(playlist), none);
    apply(true, false);
    EXPECT_EQ(defaultApplications(score), ours);
    EXPECT_EQ(defaultApplications(playlist), none);
}

} // namespace
