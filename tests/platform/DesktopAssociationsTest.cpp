// The association logic over the real desktop integration, in a home folder of its own.
#include "platform/XdgDesktopIntegration.h"
#include "settings/FileAssociations.h"
#include "support/TempProgramFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct EnvironmentGuard {
    explicit EnvironmentGuard(const char* name)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {}
    ~EnvironmentGuard() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    const char* name_;
    QByteArray old_;
    bool had_;
};

struct DesktopAssociationsTest : testing::Test {
    DesktopAssociationsTest() {
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());
        program.write("INI/.keep", {});
        program.write("ICON/.keep", {});
    }
    void apply(bool scores, bool playlists) {
        XdgDesktopIntegration desktop(XdgDesktopIntegration::userDataHome(),
                                      XdgDesktopIntegration::thisProgram());
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

} // namespace
