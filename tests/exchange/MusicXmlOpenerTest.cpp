// Opening MusicXML files from the window: the part is asked for, the score is kept beside the
// data folder, and what cannot be read is reported without a score.
#include "exchange/ImportForPlaying.h"
#include "LoadedNoteTable.h"
#include "MusicXmlText.h"
#include "exchange/MusicXmlConversion.h"
#include "platform/GbkCodec.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedChoiceDialog.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

using namespace MusicXmlText;

struct MusicXmlOpenerTest : testing::Test {
    TempProgramFolder folder;
    AppPaths paths = folder.paths();
    RecordingMessageSink messages;
    ScriptedChoiceDialog choice;
    ImportForPlaying opener{paths, messages, choice, MusicXmlConversion::playingFormat(loadedNoteTable())};

    QString write(const QString& name, const QByteArray& bytes) {
        folder.write(name, bytes);
        return folder.file(name);
    }
};

TEST_F(MusicXmlOpenerTest, WritesThePickedPartsScoreBesideTheDataFolder) {
    const QString path = write(QStringLiteral("duet.musicxml"),
                               partwise({{QStringLiteral("Oboe"), {attributes(1) + note("C", 5, 4)}},
                                         {QStringLiteral("Horn"), {attributes(1) + note("E", 4, 2) + note("G", 4, 2)}}}));
    choice.answer = 0;
    EXPECT_EQ(opener.importForPlaying(path), paths.dataPath() + QStringLiteral("MusicXML/duet.piano"));
    EXPECT_EQ(choice.askedTitle, QStringLiteral("导入 MusicXML 文件"));
    EXPECT_EQ(choice.offered,
              QStringList({QStringLiteral("声部 1  Oboe（1 个音符）"), QStringLiteral("声部 2  Horn（2 个音符）")}));
    EXPECT_EQ(choice.offeredFirst, 1);
    const QString text = GbkCodec::decode(folder.read(QStringLiteral("MusicXML/duet.piano")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n1+1.0"))) << text.toStdString();
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MusicXmlOpenerTest, CancelledChoiceOrBrokenFileOpensNothing) {
    const QString duet = write(QStringLiteral("duet.xml"),
                               partwise({{QStringLiteral("A"), {attributes(1) + note("C", 5, 4)}},
                                         {QStringLiteral("B"), {attributes(1) + note("D", 5, 4)}}}));
    EXPECT_EQ(opener.importForPlaying(duet), QString());
    EXPECT_TRUE(messages.shown.isEmpty());

    const QString cut = write(QStringLiteral("cut.musicxml"), onePart({attributes(1) + note("C", 4, 1)}).left(300));
    EXPECT_EQ(opener.importForPlaying(cut), QString());
    const QString silent = write(QStringLiteral("silent.mxl"), onePart({attributes(1) + rest(4)}));
    EXPECT_EQ(opener.importForPlaying(silent), QString());
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("错误：MusicXML 文件已损坏")));
    EXPECT_EQ(messages.shown[1].text, QStringLiteral("错误：MusicXML 文件中没有可导入的音符！"));
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("MusicXML/cut.piano"))));
}

} // namespace
