// Broken and hostile files: each is refused with its reason, at once and without harm.
#include "exchange/MusicXmlReader.h"
#include "MusicXmlText.h"
#include "ZipArchive.h"
#include "exchange/MxlArchive.h"

#include <gtest/gtest.h>

namespace {

using namespace MusicXmlText;
using Error = MusicXmlReader::Error;

struct Hostile {
    const char* name;
    std::function<QByteArray()> bytes;
    Error error;
};

QByteArray withDuration(const char* divisions, const char* duration) {
    return onePart({QStringLiteral("<attributes><divisions>%1</divisions></attributes>"
                                   "<note><pitch><step>C</step><octave>4</octave></pitch>"
                                   "<duration>%2</duration></note>")
                        .arg(QLatin1String(divisions), QLatin1String(duration))});
}

QByteArray billionLaughs() {
    QByteArray entities = "<!ENTITY a0 \"ha\">";
    for (int i = 1; i < 10; ++i)
        entities += QStringLiteral("<!ENTITY a%1 \"&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;&a%2;\">")
                        .arg(i)
                        .arg(i - 1)
                        .toLatin1();
    return "<?xml version=\"1.0\"?><!DOCTYPE score-partwise [" + entities +
           "]><score-partwise><work><work-title>&a9;</work-title></work></score-partwise>";
}

// Measures of forward moves that add up to far more time than any piece lasts.
QByteArray endlessForwards() {
    QStringList bars{attributes(1)};
    for (int i = 0; i < 20000; ++i)
        bars << QStringLiteral("<forward><duration>256</duration><voice>1</voice></forward>");
    return onePart(bars);
}

QByteArray deeplyNested() {
    const int depth = 100000;
    return onePart({attributes(1) + QStringLiteral("<x>").repeated(depth) +
                    QStringLiteral("</x>").repeated(depth) + note("C", 4, 1)});
}

const QByteArray kContainer =
    "<container><rootfiles><rootfile full-path=\"missing.xml\"/></rootfiles></container>";

void PrintTo(const Hostile& h, std::ostream* os) {
    *os << h.name;
}

struct HostileFile : testing::TestWithParam<Hostile> {};

TEST_P(HostileFile, IsRefusedWithItsReason) {
    const MusicXmlReader::Result read = MusicXmlReader::read(GetParam().bytes());
    EXPECT_EQ(read.error, GetParam().error);
    EXPECT_TRUE(read.file.parts.isEmpty());
    EXPECT_TRUE(MusicXmlReader::errorText(read).startsWith(QStringLiteral("错误：")));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileFile,
    testing::Values(
        Hostile{"Text", [] { return QByteArray("hello"); }, Error::NotMusicXml},
        Hostile{"OtherXml", [] { return QByteArray("<html><body/></html>"); }, Error::NotMusicXml},
        Hostile{"Truncated", [] { return onePart({attributes(1) + note("C", 4, 1)}).chopped(40); },
                Error::Malformed},
        Hostile{"BillionLaughs", billionLaughs, Error::Entities},
        Hostile{"ExternalEntity",
                [] {
                    return QByteArray("<?xml version=\"1.0\"?><!DOCTYPE score-partwise [<!ENTITY f "
                                      "SYSTEM \"file:///etc/passwd\">]><score-partwise>&f;"
                                      "</score-partwise>");
                },
                Error::Entities},
        Hostile{"ZeroDivisions", [] { return withDuration("0", "1"); }, Error::AbsurdTime},
        Hostile{"NegativeDivisions", [] { return withDuration("-4", "1"); }, Error::AbsurdTime},
        Hostile{"TinyDivisions", [] { return withDuration("1e-300", "1"); }, Error::AbsurdTime},
        Hostile{"HugeDuration", [] { return withDuration("1", "1e300"); }, Error::AbsurdTime},
        Hostile{"NotANumber", [] { return withDuration("1", "NaN"); }, Error::AbsurdTime},
        Hostile{"NegativeDuration", [] { return withDuration("1", "-3"); }, Error::AbsurdTime},
        Hostile{"EndlessForwards", endlessForwards, Error::AbsurdTime},
        Hostile{"BrokenArchive", [] { return QByteArray("PK\x03\x04 broken"); }, Error::BadArchive},
        Hostile{"ArchiveWithoutItsRootFile",
                [] { return zipArchive({{QStringLiteral("META-INF/container.xml"), kContainer}}); },
                Error::BadArchive},
        Hostile{"Oversized", [] { return QByteArray(MusicXmlReader::kMaxXmlBytes + 1, ' '); },
                Error::TooLarge}),
    testing::PrintToStringParamName());

// Elements nested a hundred thousand deep inside a measure are passed over like any unknown
// element.
TEST(MusicXmlHostile, DeepNestingIsPassedOver) {
    const MusicXmlReader::Result read = MusicXmlReader::read(deeplyNested());
    ASSERT_EQ(read.error, Error::None);
    EXPECT_EQ(read.file.parts.value(0).notes.size(), 1);
}

// An entry that inflates beyond the limit is cut off there, whatever its header claims.
TEST(MusicXmlHostile, AnArchiveInflatingPastTheLimitIsRefused) {
    const QByteArray bomb = zipArchive({{QStringLiteral("score.xml"), QByteArray(8 << 20, '\0')}});
    ASSERT_LT(bomb.size(), 64 << 10);
    EXPECT_EQ(MxlArchive::rootFile(bomb, 1 << 20).status, MxlArchive::Status::TooLarge);
    EXPECT_EQ(MxlArchive::rootFile(bomb, 8 << 20).status, MxlArchive::Status::Ok);
}

} // namespace
