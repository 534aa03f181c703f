#include "platform/TerminationSignals.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

#include <csignal>

namespace {

struct TerminationSignalsTest : testing::TestWithParam<int> {};

TEST_P(TerminationSignalsTest, ASignalBecomesOneRequestOnTheEventLoop) {
    TerminationSignals watcher;
    ASSERT_TRUE(watcher.isActive());
    QSignalSpy requests(&watcher, &TerminationSignals::terminationRequested);
    ASSERT_EQ(std::raise(GetParam()), 0);
    ASSERT_EQ(std::raise(GetParam()), 0);
    // Nothing happens inside the handler: the request waits for the loop.
    EXPECT_EQ(requests.count(), 0);
    EXPECT_TRUE(requests.wait(5000));
    QCoreApplication::processEvents();
    ASSERT_EQ(requests.count(), 1);
    EXPECT_EQ(requests.first().first().toInt(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignalsTest, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(sigabbrev_np(info.param));
                         });

TEST(TerminationSignalsLifetime, TheHandlersBeforeComeBackAndASecondInstanceStaysInactive) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGHUP, &ignore, &before), 0);
    {
        TerminationSignals first;
        TerminationSignals second;
        EXPECT_TRUE(first.isActive());
        EXPECT_FALSE(second.isActive());
    }
    struct sigaction after {};
    ::sigaction(SIGHUP, &before, &after);
    EXPECT_EQ(after.sa_handler, SIG_IGN);
    // A fresh instance works again once the first is gone.
    TerminationSignals again;
    EXPECT_TRUE(again.isActive());
}

} // namespace
