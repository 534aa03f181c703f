// Replays the worst inputs kept under corpus/<reader>/ (hand-made cases and what fuzzing found)
// through the same entry points the fuzz targets drive.
#include "ReaderEntries.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct Reader {
    const char* name;
    std::function<QString(const QByteArray&)> entry;
};

void PrintTo(const Reader& reader, std::ostream* os) {
    *os << reader.name;
}

struct CorpusReplay : testing::TestWithParam<Reader> {};

TEST_P(CorpusReplay, EveryKeptInputKeepsEveryProperty) {
    const QDir folder(QStringLiteral(CORPUS_DIR "/") + QLatin1String(GetParam().name));
    const QStringList files = folder.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty()) << "no inputs kept for " << GetParam().name;
    for (const QString& name : files) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(GetParam().entry(file.readAll()), QString()) << name.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Readers, CorpusReplay,
                         testing::Values(Reader{"iniDocument", ReaderEntries::iniDocument},
                                         Reader{"iniFile", ReaderEntries::iniFile},
                                         Reader{"score", ReaderEntries::score},
                                         Reader{"scoreInfo", ReaderEntries::scoreInfo},
                                         Reader{"listFiles", ReaderEntries::listFiles},
                                         Reader{"keyNames", ReaderEntries::keyNames},
                                         Reader{"midi", ReaderEntries::midi},
                                         Reader{"musicXml", ReaderEntries::musicXml}),
                         testing::PrintToStringParamName());

} // namespace
