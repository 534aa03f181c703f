#include "platform/midi/RtMidiInputBackend.h"
#include "StderrCapture.h"

#include <QFileInfo>
#include <QTest>
#include <QThread>
#include <RtMidi.h>
#include <gtest/gtest.h>

namespace {

TEST(RtMidiInputBackend, WithoutASequencerThereAreNoPortsAndNothingOpens) {
    if (QFileInfo::exists("/dev/snd/seq")) GTEST_SKIP() << "this machine has a sequencer";
    StderrCapture stderrText;
    RtMidiInputBackend backend;
    EXPECT_TRUE(backend.portNames().isEmpty());
    EXPECT_FALSE(backend.open(0, [](const auto&) {}));
    backend.close();
    EXPECT_EQ(stderrText.finish(), QByteArray());
}

TEST(RtMidiInputBackend, AVirtualKeyboardsNotesArriveOnTheQtThread) {
    if (!QFileInfo::exists("/dev/snd/seq")) GTEST_SKIP() << "no ALSA sequencer";
    RtMidiOut keyboard(RtMidi::LINUX_ALSA, "Tonvale test keyboard");
    keyboard.openVirtualPort("Tonvale test keys");
    RtMidiInputBackend backend;
    const QStringList names = backend.portNames();
    qsizetype port = -1;
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].contains("Tonvale test keys")) port = i;
    ASSERT_GE(port, 0) << names.join(", ").toStdString();
    std::vector<std::vector<unsigned char>> received;
    const Qt::HANDLE qtThread = QThread::currentThreadId();
    bool onQtThread = true;
    ASSERT_TRUE(backend.open(int(port), [&](const auto& bytes) {
        onQtThread = onQtThread && QThread::currentThreadId() == qtThread;
        received.push_back(bytes);
    }));
    const std::vector<unsigned char> noteOn{0x90, 60, 100};
    keyboard.sendMessage(&noteOn);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received.empty(); }, 5000));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], noteOn);
    EXPECT_TRUE(onQtThread);
}

} // namespace
