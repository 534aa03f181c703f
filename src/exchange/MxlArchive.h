#pragma once
// Compressed MusicXML (.mxl): a zip archive whose META-INF/container.xml names the score's root
// file. Unpacking reads at most a given number of bytes of any entry, whatever its header
// claims, so an archive that inflates to gigabytes (a zip bomb) is refused, not unpacked.
#include <QByteArray>

namespace MxlArchive {

enum class Status { Ok, Broken, TooLarge };

struct RootFile {
    QByteArray xml;
    Status status = Status::Ok;
};

// True when the bytes start like a zip archive.
bool isArchive(const QByteArray& bytes);

// The root file the container names, else the first MusicXML file at the top of the archive.
RootFile rootFile(const QByteArray& archive, qint64 maxBytes);

} // namespace MxlArchive
