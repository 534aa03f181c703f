#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>

namespace {

struct TerminationTest : testing::TestWithParam<int> {};

// The program asked to end by a signal closes its window in order and exits normally.
TEST_P(TerminationTest, ASignalClosesTheProgramThroughItsUnload) {
    QProcess child;
    child.setProgram(QStringLiteral(TERMINATION_CHILD));
    child.start();
    ASSERT_TRUE(child.waitForStarted(10000));
    QByteArray out;
    while (!out.contains('\n') && child.waitForReadyRead(30000))
        out += child.readAllStandardOutput();
    int closedBefore = -1;
    ASSERT_EQ(std::sscanf(out.constData(), "shown %d", &closedBefore), 1) << out.toStdString();

    ASSERT_EQ(::kill(pid_t(child.processId()), GetParam()), 0);
    ASSERT_TRUE(child.waitForFinished(30000));
    out += child.readAllStandardOutput();
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    const QByteArray expected = "\nclosed " + QByteArray::number(closedBefore + 1) + '\n';
    EXPECT_TRUE(out.contains(expected)) << out.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Signals, TerminationTest, testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const testing::TestParamInfo<int>& info) {
                             return std::string(sigabbrev_np(info.param));
                         });

} // namespace
