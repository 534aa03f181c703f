#include "settings/CRegedit.h"

#include "platform/AtomicFile.h"

#include <QFile>

using RegistryFile::fold;

CRegedit::CRegedit(QString storePath) : path_(std::move(storePath)) {
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        keys_ = written_ = RegistryFile::parse(file.read(RegistryFile::kMaxFileSize));
}

bool CRegedit::commit(const RegistryFile::Keys& changed) {
    if (batchDepth_ == 0 && !AtomicFile::write(path_, RegistryFile::serialize(changed)))
        return false;
    keys_ = changed;
    if (batchDepth_ == 0) written_ = keys_;
    return true;
}

CRegedit::Batch::Batch(CRegedit& registry) : registry_(registry) { ++registry_.batchDepth_; }

CRegedit::Batch::~Batch() {
    if (--registry_.batchDepth_ > 0 || registry_.keys_ == registry_.written_) return;
    if (AtomicFile::write(registry_.path_, RegistryFile::serialize(registry_.keys_)))
        registry_.written_ = registry_.keys_;
    else
        registry_.keys_ = registry_.written_;
}

bool CRegedit::setString_(const QString& sKey_, const QString& sValueName_,
                          const QString& sValue_) {
    RegistryFile::Keys changed = keys_;
    const QString key = RegistryFile::addKey(changed, sKey_);
    if (key.isEmpty()) return false;
    changed[key].values.insert(fold(sValueName_), {sValueName_, sValue_});
    return commit(changed);
}

QString CRegedit::getString_(const QString& sKey_, const QString& sValueName_) const {
    const auto key = keys_.constFind(fold(RegistryFile::normalizePath(sKey_)));
    if (key == keys_.cend()) return {};
    QString text = key->values.value(fold(sValueName_)).text;
    return text.remove(QChar(0));
}

bool CRegedit::CreateKey_(const QString& sKey_) {
    if (keyExists(sKey_)) return true;
    RegistryFile::Keys changed = keys_;
    return !RegistryFile::addKey(changed, sKey_).isEmpty() && commit(changed);
}

bool CRegedit::DeleteSubKey_(const QString& sKey_, const QString& sSubKey_) {
    if (RegistryFile::normalizePath(sKey_).isEmpty()) return false;
    const QString key = fold(RegistryFile::normalizePath(sKey_ + QLatin1Char('\\') + sSubKey_));
    if (!keys_.contains(key)) return false;
    const QString childPrefix = key + QLatin1Char('\\');
    const auto firstChild = keys_.lowerBound(childPrefix);
    if (firstChild != keys_.cend() && firstChild.key().startsWith(childPrefix)) return false;
    RegistryFile::Keys changed = keys_;
    changed.remove(key);
    return commit(changed);
}

bool CRegedit::keyExists(const QString& key) const {
    const QString path = RegistryFile::normalizePath(key);
    return !path.isEmpty() && keys_.contains(fold(path));
}
