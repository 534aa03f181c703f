#include "OptionsRig.h"
#include "core/CIni.h"
#include "settings/AlphaPercent.h"
#include "settings/KeyPictureLayout.h"

namespace {

using OptionsSectionTest = OptionsRig;

TEST_F(OptionsSectionTest, NothingIsReadWithoutTheGate) {
    EXPECT_FALSE(OptionsSection::read(settingsFile()));
    CIni().WriteIniString_(OptionsSection::kSection, QStringLiteral("标题栏单选框"),
                           QStringLiteral("2"), settingsFile());
    EXPECT_FALSE(OptionsSection::hasGate(settingsFile()));
    EXPECT_FALSE(OptionsSection::read(settingsFile()));
}

TEST_F(OptionsSectionTest, WrittenValuesComeBackWithTheGateFirst) {
    OptionValues values;
    values.intCurrentTab = 2;
    values.alphaText = QStringLiteral("50.5");
    values.titleOption = 0;
    values.playListOption = 3;
    values.checks = {false, true, false, true};
    ASSERT_TRUE(OptionsSection::write(settingsFile(), values));
    EXPECT_EQ(OptionsSection::read(settingsFile()), values);
    const QByteArray bytes = settingsBytes();
    EXPECT_TRUE(bytes.startsWith("[\xd1\xa1\xcf\xee\xb4\xb0\xcc\xe5]\r\nQuillon="))
        << bytes.left(40).toHex().constData();
}

TEST_F(OptionsSectionTest, ValuesOutsideTheirRangeReadAsTheFileRulesSay) {
    ASSERT_TRUE(OptionsSection::write(settingsFile(), OptionValues{}));
    const CIni ini;
    const auto set = [&](const char* key, const char* value) {
        ini.WriteIniString_(OptionsSection::kSection, QString::fromUtf8(key),
                            QString::fromUtf8(value), settingsFile());
    };
    set("当前选项卡", "3");
    set("透明度百分比", "abc");
    set("标题栏单选框", "-1");
    set("播放列表单选框", "2.5"); // halves to even: 2
    set("键盘弹奏时鼠标自动跟随按键", "2");
    set("只允许运行一个程序实例", "0");
    set("关联本程序与乐谱文件(.piano文件)", "x");
    set("关联本程序与播放列表(.plist文件)", "1.4");
    const auto values = OptionsSection::read(settingsFile());
    ASSERT_TRUE(values);
    EXPECT_EQ(values->intCurrentTab, 0);
    EXPECT_EQ(values->alphaText, QStringLiteral("abc"));
    EXPECT_EQ(values->titleOption, 0);
    EXPECT_EQ(values->playListOption, 2);
    EXPECT_EQ(values->checks, (std::array<bool, 4>{true, false, false, true}));
}

TEST(AlphaPercentTest, ConvertsBetweenTheSliderAndPercent) {
    EXPECT_EQ(AlphaPercent::fromSlider(255, 255), 100);
    EXPECT_EQ(AlphaPercent::fromSlider(254, 255), 99);
    EXPECT_EQ(AlphaPercent::fromSlider(3, 255), 1);
    EXPECT_EQ(AlphaPercent::fromSlider(5, 0), 0);
    EXPECT_EQ(AlphaPercent::toSlider(50.5, 255), 129);
    EXPECT_EQ(AlphaPercent::toSlider(99, 255), 252);
    EXPECT_EQ(AlphaPercent::toSlider(10, 255), 26); // 25.5 to even
    EXPECT_EQ(AlphaPercent::forWindow(QStringLiteral("50.5")), 50);
    EXPECT_EQ(AlphaPercent::forWindow(QStringLiteral("150")), 99);
    EXPECT_EQ(AlphaPercent::forWindow(QStringLiteral("-40")), 0);
    EXPECT_EQ(AlphaPercent::forWindow(QStringLiteral("1e9")), 99);
}

TEST(KeyPictureLayoutTest, EveryKeyHasItsOwnPlaceAndItsBoxBesideIt) {
    const QRect picture(QPoint(0, 0), KeyPictureLayout::size());
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        const QRect key = KeyPictureLayout::keyRect(i);
        const QRect box = KeyPictureLayout::boxRect(i);
        EXPECT_TRUE(picture.contains(key) && picture.contains(box)) << i;
        EXPECT_LE(std::abs(box.center().x() - key.center().x()), 1) << i;
        // A black key's box lies just above its row, a white key's just below its key.
        if (NoteTable::isBlackKey(i)) {
            EXPECT_LE(box.bottom(), key.top()) << i;
        } else {
            EXPECT_GE(box.top(), key.bottom()) << i;
        }
        for (int j = 0; j < NoteTable::kKeyCount; ++j) {
            if (j == i) continue;
            EXPECT_FALSE(box.intersects(KeyPictureLayout::boxRect(j))) << i << " " << j;
            EXPECT_FALSE(box.intersects(KeyPictureLayout::keyRect(j))) << i << " " << j;
        }
    }
}

TEST(KeyPictureLayoutTest, KeysRunLeftToRightWithinARowAndRowsTopToBottom) {
    for (int i = 1; i < NoteTable::kKeyCount; ++i) {
        const int before = KeyPictureLayout::row(i - 1);
        const int row = KeyPictureLayout::row(i);
        ASSERT_TRUE(row == before || row == before + 1) << i;
        if (row == before) {
            EXPECT_LT(KeyPictureLayout::keyRect(i - 1).center().x(),
                      KeyPictureLayout::keyRect(i).center().x())
                << i;
        } else {
            EXPECT_GT(KeyPictureLayout::keyRect(i).top(), KeyPictureLayout::boxRect(i - 1).bottom())
                << i;
        }
    }
    EXPECT_EQ(KeyPictureLayout::row(87), KeyPictureLayout::kRows - 1);
    EXPECT_EQ(KeyPictureLayout::row(88), -1);
    EXPECT_TRUE(KeyPictureLayout::keyRect(-1).isEmpty());
}

} // namespace
