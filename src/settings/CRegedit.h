#pragma once
// The association store: registry-like keys, each with string values (the unnamed one is the
// key's default value), kept in one file of the data folder. Every change is written at once,
// atomically, or at the end of a Batch; a change that cannot be written is not made.
#include "settings/RegistryFile.h"

class CRegedit {
public:
    // Reads the store; a missing or unreadable file is an empty store.
    explicit CRegedit(QString storePath);

    // Creates the key and its parents when needed and sets the value; false for an empty key
    // name or when the file cannot be written.
    bool setString_(const QString& sKey_, const QString& sValueName_, const QString& sValue_);
    // The value with zero characters removed; "" when the key or the value is missing.
    QString getString_(const QString& sKey_, const QString& sValueName_) const;
    // Creates the key and its parents; true when it exists afterwards.
    bool CreateKey_(const QString& sKey_);
    // Deletes sKey_\sSubKey_, or sKey_ itself when sSubKey_ is empty. False, with nothing
    // changed, for an empty key name, a missing key or a key that still has subkeys.
    bool DeleteSubKey_(const QString& sKey_, const QString& sSubKey_);

    bool keyExists(const QString& key) const;

    // Groups the changes made while it lives into one rewrite at its end. When that rewrite
    // fails, the store goes back to what the file holds.
    class Batch {
    public:
        explicit Batch(CRegedit& registry);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        CRegedit& registry_;
    };

    QString storePath() const { return path_; }

private:
    bool commit(const RegistryFile::Keys& changed);

    QString path_;
    RegistryFile::Keys keys_;
    RegistryFile::Keys written_; // what the file holds
    int batchDepth_ = 0;
};
