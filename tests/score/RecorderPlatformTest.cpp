#include "platform/QtFileDialogs.h"
#include "platform/SteadyTimeSource.h"
#include "score/Recorder.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(RecorderFileDialogs, TheScoreFilterBecomesQtNameFilters) {
    EXPECT_EQ(QtFileDialogs::nameFilters(Recorder::saveDialogFilter()),
              QStringList({"Qor_Tonvale乐谱文件(*.piano)", "MIDI 文件(*.mid)", "所有文件(*.*)"}));
}

TEST(RecorderFileDialogs, DescriptionsWithoutPatternsGetThem) {
    EXPECT_EQ(QtFileDialogs::nameFilters("Pictures|*.png;*.bmp|Odd"),
              QStringList({"Pictures (*.png *.bmp)"}));
    EXPECT_TRUE(QtFileDialogs::nameFilters(QString()).isEmpty());
}

TEST(RecorderFileDialogs, ANameTypedWithoutSuffixTakesThatOfTheChosenType) {
    const QStringList filters = QtFileDialogs::nameFilters(Recorder::saveDialogFilter());
    QStringList suffixes;
    for (const QString& filter : filters)
        suffixes << QtFileDialogs::suffixOf(filter);
    EXPECT_EQ(suffixes, QStringList({"piano", "mid", ""}));
    EXPECT_EQ(QtFileDialogs::suffixOf("Pictures (*.png *.bmp)"), "png");
    EXPECT_EQ(QtFileDialogs::suffixOf("*.tar.gz"), "tar.gz");
    EXPECT_EQ(QtFileDialogs::suffixOf("Everything (*)"), "");
}

TEST(RecorderClock, NeverGoesBackAndResolvesWellBelowAMillisecond) {
    SteadyTimeSource clock;
    qint64 previous = clock.nowNanoseconds();
    qint64 smallestStep = std::numeric_limits<qint64>::max();
    for (int i = 0; i < 10000; ++i) {
        const qint64 now = clock.nowNanoseconds();
        ASSERT_GE(now, previous);
        if (now > previous) smallestStep = std::min(smallestStep, now - previous);
        previous = now;
    }
    EXPECT_LT(smallestStep, 100'000);
}

} // namespace
