#include "core/Instruments.h"
#include "core/AppPaths.h"
#include "core/MLanguage.h"
#include "platform/GbkCodec.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// The General MIDI Level 1 names, family by family.
const char* const kEnglishFamilies[16] = {
    "Acoustic Grand Piano; Bright Acoustic Piano; Electric Grand Piano; Honky-tonk Piano; Electric "
    "Piano 1 (Rhodes Piano); Electric Piano 2 (Chorused Piano); Harpsichord; Clavinet",
    "Celesta; Glockenspiel; Music Box; Vibraphone; Marimba; Xylophone; Tubular Bells; Dulcimer",
    "Drawbar Organ; Percussive Organ; Rock Organ; Church Organ; Reed Organ; Accordion; Harmonica; "
    "Tango Accordion",
    "Acoustic Guitar (nylon); Acoustic Guitar (steel); Electric Guitar (jazz); Electric Guitar "
    "(clean); Electric Guitar (muted); Overdriven Guitar; Distortion Guitar; Guitar harmonics",
    "Acoustic Bass; Electric Bass (finger); Electric Bass (pick); Fretless Bass; Slap Bass 1; Slap "
    "Bass 2; Synth Bass 1; Synth Bass 2",
    "Violin; Viola; Cello; Contrabass; Tremolo Strings; Pizzicato Strings; Orchestral Harp; "
    "Timpani",
    "String Ensemble 1; String Ensemble 2; Synth Strings 1; Synth Strings 2; Choir Aahs; Voice "
    "Oohs; Synth Voice; Orchestra Hit",
    "Trumpet; Trombone; Tuba; Muted Trumpet; French Horn; Brass Section; Synth Brass 1; Synth "
    "Brass 2",
    "Soprano Sax; Alto Sax; Tenor Sax; Baritone Sax; Oboe; English Horn; Bassoon; Clarinet",
    "Piccolo; Flute; Recorder; Pan Flute; Blown Bottle; Shakuhachi; Whistle; Ocarina",
    "Lead 1 (square); Lead 2 (sawtooth); Lead 3 (calliope); Lead 4 (chiff); Lead 5 (charang); Lead "
    "6 (voice); Lead 7 (fifths); Lead 8 (bass + lead)",
    "Pad 1 (new age); Pad 2 (warm); Pad 3 (polysynth); Pad 4 (choir); Pad 5 (bowed); Pad 6 "
    "(metallic); Pad 7 (halo); Pad 8 (sweep)",
    "FX 1 (rain); FX 2 (soundtrack); FX 3 (crystal); FX 4 (atmosphere); FX 5 (brightness); FX 6 "
    "(goblins); FX 7 (echoes); FX 8 (sci-fi)",
    "Sitar; Banjo; Shamisen; Koto; Kalimba; Bag pipe; Fiddle; Shanai",
    "Tinkle Bell; Agogo; Steel Drums; Woodblock; Taiko Drum; Melodic Tom; Synth Drum; Reverse "
    "Cymbal",
    "Guitar Fret Noise; Breath Noise; Seashore; Bird Tweet; Telephone Ring; Helicopter; Applause; "
    "Gun shot",
};

const char* const kChineseFamilies[16] = {
    "大钢琴、嘹亮的钢琴、经电子设备传声的大钢琴、低级夜总会用的钢琴、罗得斯钢琴、合唱队钢琴、拨弦古"
    "钢琴、克拉维勒钢琴",
    "钢片琴、钟琴、八音盒、电颤琴、马林巴琴、木琴、管琴、扬琴",
    "拉杆风琴、打击风琴、摇摆风琴、教堂风琴、簧风琴、手风琴、口琴、探戈风琴",
    "吉他(尼龙丝弦的)、吉他(钢丝弦的)、电吉他(爵士)、电吉他(清晰的)、电吉他(弱声)"
    "、吉他强声、扭曲的吉他声、吉他和声",
    "低音乐器、电子低音弹奏乐器、电子低音弹拨乐器、低音弦乐器、拍打低音乐器 1、拍打低音乐器 "
    "2、合成低音 1、合成低音 2",
    "小提琴、中提琴、大提琴、倍低音乐器、颤音弦乐器、拨奏弦乐器、管弦乐用竖琴、定音弦乐器",
    "弦乐合奏 1、弦乐合奏 2、合成弦乐 1、合成弦乐 "
    "2、唱诗班合唱“啊”音、合唱“哦”音、合成音、管弦乐队受欢迎声音",
    "小号、长号、大号、弱音喇叭、法国号、铜管乐器组演奏声、合成铜管乐器 1、合成铜管乐器 2",
    "高音萨克斯、高中音萨克斯、特内萨克斯、中音萨克斯、双簧管、英国小号、巴松管、单簧管",
    "短笛、长笛、舌簧八孔直笛、笔形长笛、瓶笛、尺八竹笛、汽笛、奥卡里那笛",
    "长方形卧式钢琴声、拉锯声、汽笛风琴声、棕榴莺声、卡那声、说话声、五度和音、低音和主旋律",
    "新时代声、热情声、多种合成声、唱诗班声、低音琴弓声、金属声、气氛包围声、风吹声",
    "雨声、电影配乐声、清澈的水晶声、自然气氛声、晴朗天气声、坏天气声、空谷回声、科学幻想声",
    "西塔儿琴(印度)、班卓琴、撒米森琴、十三弦古筝(日本)、克林巴琴(班图人)、风笛(苏格兰)"
    "、提琴类乐器、商埃琴",
    "叮当铃声、阿戈戈鼓声、钢板鼓声、木板鼓声、泰可鼓声、旋律鼓声、合成鼓声、吊钹声",
    "摩擦噪音、呼吸声、海浪声、鸟鸣啾啾声、电话声、直升飞机声、鼓掌声、射击声",
};

const char* const kFamilies[16][2] = {
    {"PIANO", "钢琴"},
    {"CHROMATIC PERCUSSION", "半打击乐器"},
    {"ORGAN", "风琴"},
    {"GUITAR", "吉他"},
    {"BASS", "低音乐器"},
    {"SOLO STRINGS", "独弦乐"},
    {"ENSEMBLE", "弦乐合奏"},
    {"BRASS", "铜管乐器"},
    {"REED", "簧片乐器"},
    {"PIPE", "管乐器"},
    {"SYNTH LEAD", "合成主音色"},
    {"SYNTH PAD", "合成背景音"},
    {"SYNTH EFFECTS", "合成效果"},
    {"ETHNIC", "民族乐器"},
    {"PERCUSSIVE", "打击乐器"},
    {"SOUND EFFECTS", "声音效果"},
};

const QStringList kOrdinals =
    QString("一 二 三 四 五 六 七 八 九 十 十一 十二 十三 十四 十五 十六").split(' ');

QStringList names(const char* const (&families)[16], const QString& separator) {
    QStringList all;
    for (const char* family : families)
        all += QString::fromUtf8(family).split(separator);
    return all;
}

const QStringList kEnglishNames = names(kEnglishFamilies, "; ");
const QStringList kChineseNames = names(kChineseFamilies, "、");

// ---- The locale rule ----

struct LocaleCase {
    const char* locale;
    int code;
    const char* name; // the name afterwards, starting from "start"
};

void PrintTo(const LocaleCase& c, std::ostream* os) {
    *os << c.locale;
}

class GetUserLanguageTest : public testing::TestWithParam<LocaleCase> {};

TEST_P(GetUserLanguageTest, MapsTheLocale) {
    QString name = "start";
    EXPECT_EQ(MLanguage::GetUserLanguage(name, QLocale(GetParam().locale)), GetParam().code);
    EXPECT_EQ(name, QString::fromUtf8(GetParam().name));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, GetUserLanguageTest,
    testing::Values(LocaleCase{"zh_CN", 0, "简体中文"}, LocaleCase{"zh_SG", 0, "简体中文"},
                    LocaleCase{"zh_TW", 1, "繁体中文"}, LocaleCase{"zh_HK", 1, "繁体中文"},
                    LocaleCase{"en_US", 2, "English"}, LocaleCase{"en_GB", 2, "English"},
                    LocaleCase{"de_DE", 0, "start"}, LocaleCase{"ja_JP", 0, "start"},
                    LocaleCase{"C", 0, "start"}),
    testing::PrintToStringParamName());

// ---- Loading the list ----

struct LoadCase {
    const char* locale;
    const char* fileName;
    int resource;
    const QStringList* names;
};

void PrintTo(const LoadCase& c, std::ostream* os) {
    *os << c.locale;
}

class LoadInstrumentsTest : public testing::TestWithParam<LoadCase> {
protected:
    void SetUp() override { QDir().mkpath(folder.paths().iniFolder()); }
    TempProgramFolder folder;
};

TEST_P(LoadInstrumentsTest, WritesTheLanguagesFileAndReadsAll128Names) {
    const QStringList loaded =
        Instruments::LoadInstruments(folder.paths(), QLocale(GetParam().locale));
    EXPECT_EQ(loaded, *GetParam().names);
    const QString file = QString("INI/") + QString::fromUtf8(GetParam().fileName);
    EXPECT_EQ(folder.read(file), DefaultFileBytes(GetParam().resource));
    EXPECT_FALSE(QFile::permissions(folder.file(file)) & QFileDevice::WriteOwner);
    // Only the one language's file is written.
    EXPECT_EQ(QDir(folder.paths().iniFolder()).entryList(QDir::Files).size(), 1);
}

TEST_P(LoadInstrumentsTest, HandEditsAreReplacedOnTheNextLoad) {
    const QString file = QString("INI/") + QString::fromUtf8(GetParam().fileName);
    folder.write(file, GbkCodec::encode("[乐器名]\r\n1=mine\r\n"));
    EXPECT_EQ(Instruments::LoadInstruments(folder.paths(), QLocale(GetParam().locale)).value(0),
              GetParam().names->value(0));
}

INSTANTIATE_TEST_SUITE_P(Languages, LoadInstrumentsTest,
                         testing::Values(LoadCase{"en_US", "Musical Instrument.INI", 102,
                                                  &kEnglishNames},
                                         LoadCase{"zh_CN", "乐器名.INI", 101, &kChineseNames},
                                         LoadCase{"zh_TW", "乐器名.INI", 101, &kChineseNames},
                                         LoadCase{"de_DE", "乐器名.INI", 101, &kChineseNames}),
                         testing::PrintToStringParamName());

TEST(LoadInstruments, AnUnwritableDataFolderGives128EmptyNames) {
    TempProgramFolder folder; // no INI folder inside
    folder.write("INI", "a file where the folder should be");
    const QStringList loaded = Instruments::LoadInstruments(folder.paths(), QLocale("en_US"));
    ASSERT_EQ(loaded.size(), Instruments::kCount);
    EXPECT_EQ(loaded.count(QString()), Instruments::kCount);
}

TEST(LoadInstruments, TheFortiethEntryIsTheViolin) {
    EXPECT_EQ(kEnglishNames.value(40), QString("Violin"));
    EXPECT_EQ(kChineseNames.value(40), QString("小提琴"));
    EXPECT_EQ(kEnglishNames.size(), 128);
    EXPECT_EQ(kChineseNames.size(), 128);
}

// ---- The layout of the embedded files ----

class InstrumentFileLayoutTest : public testing::TestWithParam<int> {
protected:
    void SetUp() override {
        bytes = DefaultFileBytes(GetParam());
        ASSERT_FALSE(bytes.isEmpty());
        ASSERT_TRUE(bytes.endsWith("\r\n"));
        lines = GbkCodec::decode(bytes).split("\r\n");
        lines.removeLast();
    }
    QByteArray bytes;
    QStringList lines;
};

TEST_P(InstrumentFileLayoutTest, IsGbkTextWithCrLfLineEnds) {
    EXPECT_EQ(GbkCodec::encode(GbkCodec::decode(bytes)), bytes);
    EXPECT_FALSE(GbkCodec::decode(bytes).contains(QChar::ReplacementCharacter));
    for (const QString& line : lines) {
        EXPECT_FALSE(line.contains('\n') || line.contains('\r')) << line.toStdString();
        EXPECT_FALSE(line.endsWith(' ') || line.endsWith('\t')) << line.toStdString();
    }
}

TEST_P(InstrumentFileLayoutTest, HeaderHasTheBannerTheExplanationAndTheColumnLine) {
    const qsizetype section = lines.indexOf("[乐器名]");
    ASSERT_GE(section, 5);
    EXPECT_EQ(lines.count("[乐器名]"), 1);
    for (qsizetype i = 0; i < section; ++i)
        EXPECT_TRUE(lines[i].startsWith(';')) << lines[i].toStdString();
    EXPECT_TRUE(lines[0].startsWith("; ===") && lines[2] == lines[0]);
    EXPECT_TRUE(lines[1].contains("Tonvale"));
    const QString explanation = lines.mid(3, section - 4).join('\n');
    EXPECT_TRUE(explanation.contains("General MIDI")) << explanation.toStdString();
    EXPECT_TRUE(explanation.contains("减 1")) << explanation.toStdString();
    const QString columns = lines[section - 1];
    EXPECT_TRUE(columns.contains("Prog#") && columns.contains("Instrument Name") &&
                columns.contains("乐器名"))
        << columns.toStdString();
    EXPECT_LT(columns.indexOf("Prog#"), columns.indexOf("Instrument Name"));
    EXPECT_LT(columns.indexOf("Instrument Name"), columns.indexOf("乐器名"));
}

TEST_P(InstrumentFileLayoutTest, SixteenFamiliesOfEightWithTheirComment) {
    const QStringList& expected =
        GetParam() == Instruments::kEnglishResource ? kEnglishNames : kChineseNames;
    qsizetype at = lines.indexOf("[乐器名]") + 1;
    ASSERT_EQ(lines.size() - at, 16 * 9);
    const QRegularExpression comment("^; (\\S+?)(、| )([A-Z ]+?) +\\$ (\\S+)$");
    for (int family = 0; family < 16; ++family) {
        const QRegularExpressionMatch m = comment.match(lines[at++]);
        ASSERT_TRUE(m.hasMatch()) << lines[at - 1].toStdString();
        EXPECT_EQ(m.captured(1), kOrdinals[family]);
        EXPECT_EQ(m.captured(2), family == 4 ? " " : "、") << "family " << family;
        EXPECT_EQ(m.captured(3), kFamilies[family][0]);
        EXPECT_EQ(m.captured(4), QString::fromUtf8(kFamilies[family][1]));
        for (int k = 0; k < 8; ++k) {
            const int key = family * 8 + k + 1;
            EXPECT_EQ(lines[at++], QString("%1=%2").arg(key).arg(expected[key - 1]));
        }
    }
    EXPECT_EQ(lines.filter(QRegularExpression("^; 五 BASS ")).size(), 1);
}

TEST_P(InstrumentFileLayoutTest, FamilyNamesLineUpInOneColumn) {
    const QStringList comments = lines.filter(QRegularExpression("^; .*\\$ "));
    ASSERT_EQ(comments.size(), 16);
    const qsizetype column = GbkCodec::encode(comments[0].left(comments[0].indexOf('$'))).size();
    for (const QString& c : comments)
        EXPECT_EQ(GbkCodec::encode(c.left(c.indexOf('$'))).size(), column);
}

INSTANTIATE_TEST_SUITE_P(Files, InstrumentFileLayoutTest,
                         testing::Values(Instruments::kChineseResource,
                                         Instruments::kEnglishResource));

} // namespace
