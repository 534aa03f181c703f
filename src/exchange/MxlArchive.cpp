#include "exchange/MxlArchive.h"

#include <QString>
#include <QXmlStreamReader>

#include <zip.h>

#include <memory>

namespace MxlArchive {
namespace {

constexpr qint64 kMaxContainerBytes = 1024 * 1024;
constexpr zip_uint64_t kChunk = 64 * 1024;
const char* const kContainer = "META-INF/container.xml";

struct ArchiveCloser {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct EntryCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};
using Archive = std::unique_ptr<zip_t, ArchiveCloser>;
using Entry = std::unique_ptr<zip_file_t, EntryCloser>;

Archive open(const QByteArray& bytes) {
    zip_error_t error;
    zip_error_init(&error);
    // The archive reads the bytes in place; they outlive it.
    zip_source_t* source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()),
                                                    0, &error);
    zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
    if (source && !zip) zip_source_free(source);
    zip_error_fini(&error);
    return Archive(zip);
}

// Inflates one entry, stopping as soon as it passes `maxBytes`.
RootFile readEntry(zip_t* zip, zip_int64_t index, qint64 maxBytes) {
    RootFile result;
    const Entry entry(zip_fopen_index(zip, zip_uint64_t(index), 0));
    if (!entry) return {{}, Status::Broken};
    QByteArray chunk(qsizetype(kChunk), Qt::Uninitialized);
    for (;;) {
        const zip_int64_t got = zip_fread(entry.get(), chunk.data(), kChunk);
        if (got < 0) return {{}, Status::Broken};
        if (got == 0) return result;
        if (result.xml.size() + got > maxBytes) return {{}, Status::TooLarge};
        result.xml.append(chunk.constData(), qsizetype(got));
    }
}

QString rootPathOf(const QByteArray& container) {
    QXmlStreamReader xml(container);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isDTD() && !xml.entityDeclarations().isEmpty()) return {};
        if (!xml.isStartElement() || xml.name() != u"rootfile") continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        const QStringView type = attributes.value(QLatin1String("media-type"));
        if (type.isEmpty() || type == u"application/vnd.recordare.musicxml+xml")
            return attributes.value(QLatin1String("full-path")).toString();
    }
    return {};
}

zip_int64_t firstScoreAtTop(zip_t* zip) {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const QString name = QString::fromUtf8(zip_get_name(zip, zip_uint64_t(i), 0));
        if (!name.contains(u'/') && (name.endsWith(u".xml", Qt::CaseInsensitive) ||
                                     name.endsWith(u".musicxml", Qt::CaseInsensitive)))
            return i;
    }
    return -1;
}

} // namespace

bool isArchive(const QByteArray& bytes) {
    return bytes.startsWith(QByteArrayLiteral("PK\x03\x04"));
}

RootFile rootFile(const QByteArray& archive, qint64 maxBytes) {
    const Archive zip = open(archive);
    if (!zip) return {{}, Status::Broken};
    zip_int64_t root = -1;
    if (const zip_int64_t container = zip_name_locate(zip.get(), kContainer, 0); container >= 0) {
        const RootFile read = readEntry(zip.get(), container, kMaxContainerBytes);
        if (read.status != Status::Ok) return read;
        const QString path = rootPathOf(read.xml);
        if (!path.isEmpty()) root = zip_name_locate(zip.get(), path.toUtf8().constData(), 0);
    } else {
        root = firstScoreAtTop(zip.get());
    }
    if (root < 0) return {{}, Status::Broken};
    return readEntry(zip.get(), root, maxBytes);
}

} // namespace MxlArchive
