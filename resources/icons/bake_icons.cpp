// Build step: paints the program's icons and writes them as .ico files (PNG frames) into the
// folder given as the only argument, where the resource compiler picks them up.
#include "IconArtwork.h"
#include "platform/IcoContainer.h"

#include <QBuffer>
#include <QFile>
#include <QTextStream>

namespace {

// The sizes of the freedesktop icon theme; the .ico carries all of them, so the desktop
// integration takes each size from the same file.
constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

bool writeIcon(IconArtwork::Kind kind, const QString& path) {
    QList<IcoContainer::Frame> frames;
    for (int size : kSizes)
        frames.append({size, size, pngBytes(IconArtwork::render(kind, size))});
    const QByteArray ico = IcoContainer::compose(frames);
    QFile file(path);
    return !ico.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(ico) == ico.size();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: bake_icons <output folder>\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = writeIcon(IconArtwork::Kind::Score, folder + "/104-piano.ico") &&
                    writeIcon(IconArtwork::Kind::Playlist, folder + "/102-playList.ico");
    if (!ok) QTextStream(stderr) << "bake_icons: cannot write the icons into " << folder << '\n';
    return ok ? 0 : 1;
}
