// Build step: paints the program's icons and writes them as .ico files (PNG frames) into the
// folder given as the only argument, where the resource compiler picks them up, and as the PNG
// files of the hicolor theme under <folder>/hicolor, which the install puts where desktops look.
#include "IconArtwork.h"
#include "platform/IcoContainer.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return !bytes.isEmpty() && QDir().mkpath(QFileInfo(path).path()) &&
           file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// <folder>/<icoName>, and hicolor/NxN/<context>/<name>.png for every size and theme name.
bool writeIcon(IconArtwork::Kind kind, const QString& folder, const QString& icoName,
               const QStringList& themeNames) {
    QList<IcoContainer::Frame> frames;
    bool ok = true;
    for (int size : kSizes) {
        const QByteArray png = pngBytes(IconArtwork::render(kind, size));
        frames.append({size, size, png});
        for (const QString& name : themeNames)
            ok &= writeFile(QStringLiteral("%1/hicolor/%2x%2/%3.png").arg(folder).arg(size).arg(name), png);
    }
    return ok && writeFile(folder + QLatin1Char('/') + icoName, IcoContainer::compose(frames));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: bake_icons <output folder>\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    // The names the desktop integration gives the program's and the file types' icons.
    const bool ok =
        writeIcon(IconArtwork::Kind::Score, folder, QStringLiteral("104-piano.ico"),
                  {QStringLiteral("apps/tonvale"), QStringLiteral("mimetypes/application-x-tonvale-piano")}) &&
        writeIcon(IconArtwork::Kind::Playlist, folder, QStringLiteral("102-playList.ico"),
                  {QStringLiteral("mimetypes/application-x-tonvale-plist")});
    if (!ok) QTextStream(stderr) << "bake_icons: cannot write the icons into " << folder << '\n';
    return ok ? 0 : 1;
}
