// A MIDI keyboard playing the main window: the input list and the menu entry wired to the keys.
#include "app/frmMain.h"
#include "support/RecordingMidiBackend.h"
#include "support/ScriptedMidiInputBackend.h"
#include "support/ServiceDoubles.h"
#include "support/TempProgramFolder.h"

#include <QComboBox>
#include <gtest/gtest.h>

namespace {

using Sent = RecordingMidiBackend::Sent;

struct MidiKeyboardWindowTest : testing::Test, ServiceDoubles {
    MidiKeyboardWindowTest() {
        folder.write(QStringLiteral("INI/.keep"), {});
        ports.ports = {QStringLiteral("Keys:Port 0 20:0")};
        AppServices withInput = services(folder.paths(), backend);
        withInput.midiInput = &ports;
        main = std::make_unique<frmMain>(withInput);
        main->load([](const QString&) {});
        backend.sent.clear();
    }

    TempProgramFolder folder;
    RecordingMidiBackend backend;
    ScriptedMidiInputBackend ports;
    std::unique_ptr<frmMain> main;
};

TEST_F(MidiKeyboardWindowTest, TheChosenPortPlaysChordsWhenTheMenuEntryIsChecked) {
    auto* list = main->findChild<QComboBox*>(QStringLiteral("ComMidiIn"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(0), QString("无"));
    EXPECT_FALSE(list->focusPolicy() & Qt::TabFocus);
    emit list->activated(1);
    EXPECT_EQ(ports.openPort, 0);

    main->features().menus.item(MenuEntry::PlayPolyphonic)->trigger();
    EXPECT_TRUE(main->features().menus.item(MenuEntry::PlayPolyphonic)->checked());
    backend.sent.clear();
    ports.send({0x90, 60, 100});
    ports.send({0x90, 64, 80});
    ports.send({0x80, 60, 0});
    // Channel 0 and the key of C after a first start: the keyboard sounds at its own pitch.
    EXPECT_EQ(backend.sent, (QList<Sent>{{0x90, 60, 100}, {0x90, 64, 80}, {0x80, 60, 0}}));
}

} // namespace
