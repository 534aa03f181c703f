#include "platform/AlsaMixer.h"

#include <gtest/gtest.h>

namespace {

TEST(AlsaMixer, ACardThatIsNotThereFailsCleanlyAndOnlyOnce) {
    AlsaMixer mixer(QStringLiteral("hw:TonvaleNoSuchCard"));
    const int error = mixer.open();
    EXPECT_LT(error, 0);
    EXPECT_EQ(mixer.open(), error);
    EXPECT_FALSE(mixer.setVolume(0));
    EXPECT_FALSE(mixer.setSwitch(true));
}

// Whatever this machine has: either a usable master control or a clean failure.
TEST(AlsaMixer, TheDefaultDeviceOpensOrFailsCleanly) {
    AlsaMixer mixer;
    if (mixer.open() != 0) {
        EXPECT_FALSE(mixer.setVolume(mixer.minimum()));
        return;
    }
    EXPECT_LE(mixer.minimum(), mixer.maximum());
}

} // namespace
