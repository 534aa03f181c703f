#pragma once
// A program folder with the note map and the default key map, a main window that records what
// the options dialog does to it, and the settings files the dialog reads and writes.
#include "RecordingOptionsHost.h"
#include "settings/OptionsSection.h"
#include "support/RecordingMessageSink.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

struct OptionsRig : testing::Test {
    OptionsRig() {
        folder.write(QStringLiteral("INI/.keep"), {});
        host.notes.LoadNoteMap(folder.paths());
        host.map.LoadKeyMaps(folder.paths(), host.notes, false);
    }

    QString settingsFile() const { return OptionsSection::settingsPath(folder.paths()); }
    QByteArray settingsBytes() const { return folder.read(QStringLiteral("INI/程序设置.INI")); }
    QByteArray userKeyMapBytes() const {
        return folder.read(QStringLiteral("INI/按键设置.KeyCode"));
    }
    // Options applied once before: the gate, the stored values and a user key map.
    void storeOptions(const OptionValues& values) { OptionsSection::write(settingsFile(), values); }
    void storeUserKeyMap(const QByteArray& gbkBody) {
        folder.write(QStringLiteral("INI/按键设置.KeyCode"), gbkBody);
    }
    // The user key map: the default one with key 40 ("b2 / #1") on F5 instead of 截屏.
    void storeUserKeyMapWithF5OnKey40() {
        QByteArray map = folder.read(QStringLiteral("INI/默认_按键设置.KeyCode"));
        map.replace("b2 / #1=\xbd\xd8\xc6\xc1", "b2 / #1=F5");
        storeUserKeyMap(map);
    }

    TempProgramFolder folder;
    RecordingOptionsHost host;
    RecordingMessageSink messages;
};
