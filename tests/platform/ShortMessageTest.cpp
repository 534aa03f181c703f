#include "platform/midi/ShortMessage.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

struct Case {
    std::uint32_t packed;
    bool channelMessage;
    int length;
};

void PrintTo(const Case& c, std::ostream* os) {
    char name[16];
    std::snprintf(name, sizeof name, "x%06X", unsigned(c.packed));
    *os << name;
}

class ShortMessageTest : public testing::TestWithParam<Case> {};

TEST_P(ShortMessageTest, KnowsItsKindAndLength) {
    const ShortMessage m = ShortMessage::unpack(GetParam().packed);
    EXPECT_EQ(m.isChannelMessage(), GetParam().channelMessage);
    if (m.isChannelMessage()) {
        EXPECT_EQ(m.length(), GetParam().length);
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, ShortMessageTest,
                         testing::Values(Case{0x7F4592, true, 3},   // note on, channel 2
                                         Case{0x004582, true, 3},   // note off
                                         Case{0x5A07B1, true, 3},   // controller 7
                                         Case{0x0028C2, true, 2},   // program 40
                                         Case{0x0040D0, true, 2},   // channel pressure
                                         Case{0x4000E0, true, 3},   // pitch bend centre
                                         Case{0x7F4545, false, 0},  // a data byte as status
                                         Case{0x0000F8, false, 0},  // system real-time
                                         Case{0x7F8090, false, 0},  // data 1 above 127
                                         Case{0x80FF90, false, 0}), // data 2 above 127
                         testing::PrintToStringParamName());

TEST(ShortMessage, UnpacksLeastSignificantByteFirst) {
    const ShortMessage m = ShortMessage::unpack(0x00644593);
    EXPECT_EQ(m.status, 0x93);
    EXPECT_EQ(m.kind(), 0x90);
    EXPECT_EQ(m.channel(), 3);
    EXPECT_EQ(m.data1, 0x45);
    EXPECT_EQ(m.data2, 0x64);
}

} // namespace
