#include "platform/IcoContainer.h"

#include "core/AppPaths.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <gtest/gtest.h>

namespace {

using IcoContainer::Frame;

QByteArray png(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TEST(IcoContainer, FramesSurviveTheRoundTripIncluding256) {
    const QList<Frame> frames{{16, 16, png(16)}, {256, 256, png(256)}};
    const QList<Frame> back = IcoContainer::parse(IcoContainer::compose(frames));
    ASSERT_EQ(back.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(back[i].width, frames[i].width);
        EXPECT_EQ(back[i].height, frames[i].height);
        EXPECT_EQ(back[i].data, frames[i].data);
        EXPECT_TRUE(back[i].isPng());
    }
}

TEST(IcoContainer, ImpossibleFramesComposeNothing) {
    EXPECT_TRUE(IcoContainer::compose({}).isEmpty());
    EXPECT_TRUE(IcoContainer::compose({{0, 16, png(16)}}).isEmpty());
    EXPECT_TRUE(IcoContainer::compose({{257, 16, png(16)}}).isEmpty());
    EXPECT_TRUE(IcoContainer::compose({{16, 16, {}}}).isEmpty());
}

TEST(IcoContainer, DamagedFilesParseAsNothing) {
    const QByteArray good = IcoContainer::compose({{16, 16, png(16)}});
    EXPECT_TRUE(IcoContainer::parse({}).isEmpty());
    EXPECT_TRUE(IcoContainer::parse("not an icon at all").isEmpty());
    EXPECT_TRUE(IcoContainer::parse(good.left(good.size() - 1)).isEmpty()) << "frame cut short";
    EXPECT_TRUE(IcoContainer::parse(good.left(10)).isEmpty()) << "directory cut short";
    QByteArray far = good;
    far[6 + 12] = char(0xff); // offset beyond the end
    far[6 + 15] = char(0x7f);
    EXPECT_TRUE(IcoContainer::parse(far).isEmpty());
}

// The embedded icons are what the program writes as ICON/piano.ico and ICON/playList.ico.
class EmbeddedIcon : public testing::TestWithParam<int> {};

TEST_P(EmbeddedIcon, CarriesEveryDesktopSizeAsPng) {
    const QByteArray ico = EmbeddedIconBytes(GetParam());
    QList<int> sizes;
    for (const Frame& frame : IcoContainer::parse(ico)) {
        EXPECT_TRUE(frame.isPng());
        const QImage image = QImage::fromData(frame.data);
        EXPECT_EQ(image.size(), QSize(frame.width, frame.height));
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "the corners stay transparent";
        sizes << frame.width;
    }
    EXPECT_EQ(sizes, QList<int>({16, 24, 32, 48, 64, 128, 256}));
    if (QImageReader::supportedImageFormats().contains("ico")) {
        QBuffer buffer;
        buffer.setData(ico);
        QImageReader reader(&buffer, "ico");
        EXPECT_EQ(reader.imageCount(), 7);
        EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(ScoreAndPlaylist, EmbeddedIcon, testing::Values(104, 102));

TEST(EmbeddedIcons, TheTwoPicturesDiffer) {
    EXPECT_NE(IcoContainer::parse(EmbeddedIconBytes(104)).value(3).data,
              IcoContainer::parse(EmbeddedIconBytes(102)).value(3).data);
}

} // namespace
