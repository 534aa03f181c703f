#include "keyboard/MidiKeyboardInput.h"
#include "LiveKeyboardFixture.h"
#include "support/ScriptedMidiInputBackend.h"

#include <QSignalSpy>

namespace {

struct MidiKeyboardInputTest : LiveKeyboardFixture {
    MidiKeyboardInputTest() {
        polyphonic = true;
        ports.ports = {QStringLiteral("Keys:Port 0 20:0"), QStringLiteral("Pads:Port 0 24:0")};
        input.refreshPorts();
    }
    static Sent pedal(int value) { return {0xB0 | kChannel, 64, value}; }
    static Sent onAt(int note, int velocity) { return {0x90 | kChannel, note, velocity}; }

    ScriptedMidiInputBackend ports;
    MidiKeyboardInput input{ports, live};
};

TEST_F(MidiKeyboardInputTest, NoneComesFirstAndChoosingAPortOpensIt) {
    EXPECT_EQ(input.choices(), (QStringList{"无", "Keys:Port 0 20:0", "Pads:Port 0 24:0"}));
    EXPECT_EQ(input.choiceIndex(), 0);
    EXPECT_TRUE(input.choose(2));
    EXPECT_EQ(ports.openPort, 1);
    EXPECT_EQ(input.portName(), QString("Pads:Port 0 24:0"));
    EXPECT_FALSE(input.choose(3));
    EXPECT_TRUE(input.choose(0));
    EXPECT_EQ(ports.openPort, -1);
}

TEST_F(MidiKeyboardInputTest, NotesAndThePedalDriveTheKeysWithTheirOwnVelocity) {
    QSignalSpy pressed(&live, &LiveKeyboard::keyPressedLook);
    input.choose(1);
    ports.send({0x90, 60, 90}); // middle C, the key ".1" that sounds it in C
    ports.send({0x93, 64, 40}); // any channel
    ports.send({0xB0, 64, 127});
    ports.send({0x80, 60, 0});
    ports.send({0x90, 64, 0}); // note-on at zero velocity is a note-off
    EXPECT_EQ(backend.sent, (QList<Sent>{onAt(60, 90), onAt(64, 40), pedal(127)}));
    ports.send({0xB0, 64, 0});
    EXPECT_EQ(backend.sent.mid(3), (QList<Sent>{pedal(0), off(60), off(64)}));
    ASSERT_EQ(pressed.count(), 2);
    EXPECT_EQ(pressed[0][0].toInt(), 27);
    EXPECT_EQ(notes.strNoteName(27), QStringLiteral(".1"));
}

TEST_F(MidiKeyboardInputTest, NotesBeyondTheKeysSoundOctavesInsideAndCutMessagesNothing) {
    input.choose(1);
    ports.send({0x90, 20, 90});
    ports.send({0x90, 127, 90});
    ports.send({0x90, 60});
    ports.send({});
    ports.send({0xE0, 0, 64});
    EXPECT_EQ(backend.sent, (QList<Sent>{onAt(44, 90), onAt(115, 90)}));
}

TEST_F(MidiKeyboardInputTest, APortThatDisappearsLetsGoItsKeysAndIsTakenAgainWhenItReturns) {
    QSignalSpy status(&input, &MidiKeyboardInput::statusMessage);
    input.choose(2);
    ports.send({0x90, 60, 90});
    ports.ports.removeLast();
    input.refreshPorts();
    input.refreshPorts();
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status[0][0].toString(), MidiKeyboardInput::lostText("Pads:Port 0 24:0"));
    EXPECT_EQ(input.choiceIndex(), 0);
    EXPECT_EQ(ports.openPort, -1);
    EXPECT_EQ(backend.sent, (QList<Sent>{onAt(60, 90), off(60)}));

    // Plugged in again, the system gives it another client number.
    ports.ports.append(QStringLiteral("Pads:Port 0 28:0"));
    input.refreshPorts();
    EXPECT_EQ(input.choiceIndex(), 2);
    EXPECT_EQ(ports.openPort, 1);
    EXPECT_EQ(status.count(), 1);
}

TEST_F(MidiKeyboardInputTest, TheChosenPortIsRememberedByName) {
    input.choose(2);
    input.save(folder.file(QStringLiteral("settings.INI")));
    ScriptedMidiInputBackend laterPorts;
    laterPorts.ports = {QStringLiteral("Other 14:0"), QStringLiteral("Pads:Port 0 24:0")};
    MidiKeyboardInput later{laterPorts, live};
    later.load(folder.file(QStringLiteral("settings.INI")));
    EXPECT_EQ(later.choiceIndex(), 2);
    EXPECT_EQ(laterPorts.openPort, 1);
}

} // namespace
