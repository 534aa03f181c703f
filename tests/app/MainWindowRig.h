#pragma once
// One main window on recording doubles in a temporary program folder, loaded and unloaded as a
// run would, with helpers to write and read the data files key by key.
#include "app/LibraryController.h"
#include "app/LibraryMenus.h"
#include "app/MainWindowSettings.h"
#include "app/frmMain.h"
#include "core/Twips.h"
#include "library/QStringPrinter.h"
#include "platform/GbkCodec.h"
#include "support/ServiceDoubles.h"
#include "support/RecordingMidiBackend.h"
#include "support/TempProgramFolder.h"

#include <QMap>
#include <QScreen>
#include <gtest/gtest.h>

#include <memory>

struct MainWindowRig : testing::Test, ServiceDoubles {
    using Keys = QMap<QString, QString>; // "section/key" -> value

    static constexpr auto kSettings = "INI/程序设置.INI";
    static constexpr auto kPlayingList = "INI/播放列表.Qor";
    static constexpr auto kFavorites = "INI/收藏夹.Long";

    // The folders the entry procedure creates before the window loads.
    MainWindowRig() {
        folder.write(QStringLiteral("INI/.keep"), {});
        folder.write(QStringLiteral("ICON/.keep"), {});
    }

    frmMain& start() { return start(folder.paths()); }
    frmMain& start(const AppPaths& paths) {
        main = std::make_unique<frmMain>(services(paths, backend));
        main->load([](const QString&) {});
        return *main;
    }
    void stop() {
        main->unload();
        main.reset();
    }

    // The file's keys in the order of the file; a repeated key keeps its first value, as reading
    // does.
    Keys readKeys(const char* relative) const {
        Keys keys;
        QString section;
        for (const QString& line :
             GbkCodec::decode(folder.read(QString::fromUtf8(relative))).split("\r\n")) {
            if (line.startsWith('[') && line.endsWith(']'))
                section = line.mid(1, line.size() - 2);
            else if (const qsizetype eq = line.indexOf('=');
                     eq > 0 && !keys.contains(section + '/' + line.left(eq)))
                keys.insert(section + '/' + line.left(eq), line.mid(eq + 1));
        }
        return keys;
    }
    void writeKeys(const char* relative, const Keys& keys) const {
        QMap<QString, QStringList> sections;
        for (auto it = keys.cbegin(); it != keys.cend(); ++it) {
            const qsizetype slash = it.key().indexOf('/');
            sections[it.key().left(slash)] << it.key().mid(slash + 1) + '=' + it.value();
        }
        QString text;
        for (auto it = sections.cbegin(); it != sections.cend(); ++it)
            text += '[' + it.key() + "]\r\n" + it.value().join("\r\n") + "\r\n";
        folder.write(QString::fromUtf8(relative), GbkCodec::encode(text));
    }
    // A score of a few rows inside the program folder.
    QString score(const QString& name) const {
        folder.write(name, "%0\r\n!C\r\n?4/4\r\n$120\r\n1+4\r\n2+4\r\n");
        return folder.file(name);
    }
    // The screen's free area, in twips.
    QRect screenTwips() const {
        const QRect area = main->screen()->availableGeometry();
        return {pixelsToTwips(area.x()), pixelsToTwips(area.y()), pixelsToTwips(area.width()),
                pixelsToTwips(area.height())};
    }
    // A length in twips after the window has carried it in whole pixels.
    static int throughPixels(int twips) { return pixelsToTwips(twipsToPixels(twips)); }

    TempProgramFolder folder;
    RecordingMidiBackend backend;
    std::unique_ptr<frmMain> main;
};
