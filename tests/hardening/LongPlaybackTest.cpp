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
    // Each end plays the playing entry again; moving that entry on walks the list round and round.
    rig.engine.setListMode(EndOfScore::ListMode::SingleLoop);
    // 200 quavers at 120 beats a minute: about a hundred seconds per score.
    QString text = QStringLiteral("%0\r\n?4/4\r\n$120");
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("\r\n%1+8").arg(1 + i % 7);
    int loads = 0;
    QObject::connect(&rig.engine, &PlaybackEngine::playEntryRequested, [&](const QString& entry) {
        list.setPlaying((list.intPlayingIndex() + 1) % 3);
        ++loads;
        rig.load(text, entry);
    });
    rig.load(text);
    rig.time.advanceToMs(10 * 60 * 1000);

    EXPECT_GE(loads, 5);
    const QList<EngineRig::Sound> sounds = rig.sounds();
    // Every score played before the last one sounded all its notes; the last one is cut off.
    EXPECT_GE(sounds.size(), loads * 200);
    EXPECT_LE(sounds.size(), (loads + 1) * 200);
    for (qsizetype i = 0; i + 1 < sounds.size(); ++i)
        ASSERT_GE(sounds[i].off, sounds[i].on) << "note " << i << " never stopped";
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

} // namespace
