#include "core/CIni.h"

#include "core/IniDocument.h"
#include "core/IniFileCache.h"
#include "platform/GbkCodec.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString resolvePath(const QString& path, bool autoAddDotIni) {
    if (autoAddDotIni && path.right(4).toUpper() != QLatin1String(".INI"))
        return path + QStringLiteral(".INI");
    return path;
}

bool blank(const QString& text) {
    return IniDocument::trimBlanks(text).isEmpty();
}

} // namespace

QString CIni::rawValue(const QString& section, const QString& key, const QString& path) const {
    QString value = IniFileCache::read(path).value(section, key).value_or(QString());
    // The platform hands back at most MaxLength_ - 1 bytes; the cut never splits a character. No
    // character takes more than four bytes, so short values need no measuring.
    const qsizetype limit = qMax(0, maxLength_ - 1);
    if (value.size() * 4 > limit) {
        const QByteArray bytes = GbkCodec::encode(value);
        if (bytes.size() > limit)
            value = GbkCodec::decode(bytes.left(GbkCodec::boundaryAtOrBefore(bytes, limit)));
    }
    value.remove(QChar(u'\0'));
    return value;
}

QString CIni::ReadIniString_(const QString& sSection_, const QString& sKeyWord_,
                             const QString& sIniPath_, bool blnAutoAddDotINI) const {
    QString value = rawValue(sSection_, sKeyWord_, resolvePath(sIniPath_, blnAutoAddDotINI));
    if (!myCrlf_.isEmpty()) value.replace(myCrlf_, kCrLf, Qt::CaseInsensitive);
    return value;
}

bool CIni::WriteIniString_(const QString& sSection_, const QString& sKeyWord_,
                           const QString& sValue_, const QString& sIniPath_,
                           bool blnAutoAddDotINI) const {
    if (blank(sValue_) || blank(sKeyWord_) || blank(sSection_)) return false;
    QString stored = sValue_;
    stored.replace(kCrLf, myCrlf_, Qt::CaseInsensitive);
    // A lone line break would end the entry and let the rest of the value pose as a new line of
    // the file; it is stored as the marker too.
    stored.replace(QLatin1Char('\r'), myCrlf_).replace(QLatin1Char('\n'), myCrlf_);
    return IniFileCache::modify(resolvePath(sIniPath_, blnAutoAddDotINI), [&](IniDocument& doc) {
        doc.setValue(sSection_, sKeyWord_, stored);
        return true;
    });
}

bool CIni::ReadIniTF_(const QString& sSection_, const QString& sKeyWord_, const QString& sIniPath_,
                      bool blnAutoAddDotINI) const {
    const QString value = rawValue(sSection_, sKeyWord_, resolvePath(sIniPath_, blnAutoAddDotINI));
    return !value.isEmpty() && value != QLatin1String("0");
}

bool CIni::WriteIniTF_(const QString& sSection_, const QString& sKeyWord_, bool bValue_,
                       const QString& sIniPath_, bool blnAutoAddDotINI) const {
    return WriteIniString_(sSection_, sKeyWord_,
                           bValue_ ? QStringLiteral("1") : QStringLiteral("0"), sIniPath_,
                           blnAutoAddDotINI);
}

void CIni::DeleteKeyWord_(const QString& sSection_, const QString& sKeyWord_,
                          const QString& sIniPath_) const {
    IniFileCache::modify(sIniPath_,
                         [&](IniDocument& doc) { return doc.removeKey(sSection_, sKeyWord_); });
}

void CIni::DeleteSection_(const QString& sSection_, const QString& sIniPath_) const {
    IniFileCache::modify(sIniPath_, [&](IniDocument& doc) { return doc.removeSection(sSection_); });
}

CIni::Batch::Batch(const QString& iniPath) : path_(iniPath) {
    IniFileCache::beginBatch(path_);
}

CIni::Batch::~Batch() {
    IniFileCache::endBatch(path_);
}

bool CIni::Batch::commit() {
    return IniFileCache::flush(path_);
}
