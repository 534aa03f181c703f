#include "platform/midi/RtMidiPorts.h"
#include "StderrCapture.h"
#include "platform/midi/RtMidiPortOutput.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

bool hasSequencer() {
    return QFileInfo::exists("/dev/snd/seq");
}

TEST(RtMidiPorts, ListingThePortsNeverThrowsNorPrints) {
    StderrCapture stderrText;
    QStringList names;
    EXPECT_NO_THROW(names = RtMidiPorts::outputNames());
    EXPECT_EQ(stderrText.finish(), QByteArray());
    if (!hasSequencer()) {
        EXPECT_TRUE(names.isEmpty());
    }
    for (const QString& name : names)
        EXPECT_FALSE(name.isEmpty());
}

TEST(RtMidiPorts, OpeningAPortThatIsNotThereFailsQuietlyWithAText) {
    StderrCapture stderrText;
    RtMidiPortOutput port(0, "Tonvale test: no such port");
    QString error;
    EXPECT_FALSE(port.open(error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(port.send(0x7F4590, error));
    EXPECT_EQ(stderrText.finish(), QByteArray());
}

} // namespace
