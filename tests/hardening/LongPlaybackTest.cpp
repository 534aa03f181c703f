// Ten minutes of playback in virtual time, a playing list looping over three scores: every note
// sounds and stops, and every score loaded is let go again (the sanitizer build checks for
// leaks when the test program ends).
#include "../score/EngineRig.h"
#include "../score/FixedPlayingList.h"

#include <gtest/gtest.h>

namespace {

TEST(LongPlayback, TenMinutesOfALoopingListSoundEveryNoteOnce) {
    EngineRig rig;
    FixedPlayingList list{3, true, 0};
    rig.engine.setPlayingList(&list);
    rig.engine.setListMode(EndOfScore::ListMode::Loop);
    // 120 beats a minute in quavers: a row every 250 ms, 600 rows per score, 150 s each.
    QString text = QStringLiteral("%0\r\n?4/4\r\n$120");
    for (int i = 0; i < 600; ++i)
        text += QStringLiteral("\r\n%1+8").arg(1 + i % 7);
    int loads = 0;
    QObject::connect(&rig.engine, &PlaybackEngine::playEntryRequested, [&](const QString& entry) {
        list.setPlaying((list.intPlayingIndex() + 1) % 3);
        ++loads;
        rig.load(text, entry);
    });
    rig.load(text);
    rig.time.advanceToMs(10 * 60 * 1000);

    EXPECT_EQ(loads, 3);
    const QList<EngineRig::Sound> sounds = rig.sounds();
    // Four scores' worth less the notes after the ten minutes: at most one row short per score.
    EXPECT_GE(sounds.size(), 4 * 600 - 8);
    EXPECT_LE(sounds.size(), 4 * 600);
    for (qsizetype i = 0; i + 1 < sounds.size(); ++i)
        ASSERT_GE(sounds[i].off, sounds[i].on) << "note " << i << " never stopped";
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

} // namespace
