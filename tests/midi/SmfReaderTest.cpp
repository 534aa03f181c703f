#include "midi/SmfReader.h"
#include "midi/SmfWriter.h"

#include <gtest/gtest.h>

namespace {

QByteArray header(quint16 tracks) {
    QByteArray bytes("MThd\0\0\0\x06\0\x01", 10);
    bytes.append(char(tracks >> 8)).append(char(tracks & 0xFF)).append("\x01\xE0", 2);
    return bytes;
}

QByteArray track(const QByteArray& events, qint64 declaredLength = -1) {
    const quint32 length = declaredLength < 0 ? quint32(events.size()) : quint32(declaredLength);
    QByteArray bytes("MTrk", 4);
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.append(char((length >> shift) & 0xFF));
    return bytes + events;
}

struct BadFile {
    const char* what;
    QByteArray bytes;
    SmfReader::Error error;
    friend void PrintTo(const BadFile& c, std::ostream* out) { *out << c.what; }
};

class SmfReaderBadFile : public testing::TestWithParam<BadFile> {};

TEST_P(SmfReaderBadFile, GivesItsErrorAndNoTracks) {
    const SmfReader::Result result = SmfReader::read(GetParam().bytes);
    EXPECT_EQ(result.error, GetParam().error) << GetParam().what;
    EXPECT_FALSE(SmfReader::errorText(result.error).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, SmfReaderBadFile,
    testing::Values(BadFile{"text", "hello world, not midi", SmfReader::Error::NotMidi},
                    BadFile{"header cut", header(1).left(12), SmfReader::Error::Truncated},
                    BadFile{"no tracks", header(0), SmfReader::Error::NoTracks},
                    BadFile{"track longer than the file",
                            header(1) + track(QByteArray("\0\x90\x3C\x40", 4), 0x7FFFFFF0),
                            SmfReader::Error::Truncated},
                    BadFile{"second track missing",
                            header(2) + track(QByteArray("\0\xFF\x2F\0", 4)),
                            SmfReader::Error::Truncated},
                    BadFile{"running status after a meta event",
                            header(1) + track(QByteArray("\0\xFF\x01\x01x\0\x3C\x40", 8)),
                            SmfReader::Error::Malformed},
                    BadFile{"running status first", header(1) + track(QByteArray("\0\x3C\x40", 3)),
                            SmfReader::Error::Malformed},
                    BadFile{"five-byte delta",
                            header(1) + track(QByteArray("\xFF\xFF\xFF\xFF\x7F\x90\x3C\x40", 8)),
                            SmfReader::Error::Malformed},
                    BadFile{"meta length past the chunk",
                            header(1) + track(QByteArray("\0\xFF\x01\x8F\xFF\xFF\x7F", 7)),
                            SmfReader::Error::Truncated},
                    BadFile{"note cut in the middle",
                            header(1) + track(QByteArray("\0\x90\x3C", 3)),
                            SmfReader::Error::Truncated}));

TEST(SmfReader, ReadsWhatTheWriterWrote) {
    SmfWriter writer(600);
    writer.tempo(0, 600000);
    writer.channelMessage(0, 0xC0, 5, 0);
    writer.channelMessage(0, 0x90, 60, 100);
    writer.channelMessage(200000, 0x80, 60, 0); // a delta of three bytes
    const SmfReader::Result result = SmfReader::read(writer.finish());
    ASSERT_EQ(result.error, SmfReader::Error::None);
    EXPECT_EQ(result.file.division, 600);
    ASSERT_EQ(result.file.tracks.size(), 1);
    const QList<SmfEvent>& events = result.file.tracks[0].events;
    ASSERT_EQ(events.size(), 4);
    EXPECT_EQ(events[0].kind, SmfEvent::Kind::Tempo);
    EXPECT_EQ(events[0].value, 600000u);
    EXPECT_EQ(events[1].status, 0xC0);
    EXPECT_EQ(events[1].data1, 5);
    EXPECT_EQ(events[3].tick, 200000);
    EXPECT_EQ(events[3].data1, 60);
}

TEST(SmfReader, TakesRunningStatusAfterAChannelMessage) {
    const SmfReader::Result result =
        SmfReader::read(header(1) + track(QByteArray("\0\x90\x3C\x40\x10\x3C\0\0\xFF\x2F\0", 11)));
    ASSERT_EQ(result.error, SmfReader::Error::None);
    ASSERT_EQ(result.file.tracks[0].events.size(), 2);
    EXPECT_EQ(result.file.tracks[0].events[1].status, 0x90);
    EXPECT_EQ(result.file.tracks[0].events[1].tick, 16);
    EXPECT_EQ(result.file.tracks[0].events[1].data2, 0);
}

} // namespace
