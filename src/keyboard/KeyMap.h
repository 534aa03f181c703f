#pragma once
// The key map: for each of the 88 piano keys the name of the computer key that plays it, read
// from the embedded default map and, once the user has saved options, from the user's own map.
#include "core/AppPaths.h"
#include "core/NoteTable.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>

class KeyMap : public QObject {
    Q_OBJECT
public:
    explicit KeyMap(QObject* parent = nullptr) : QObject(parent) {}

    static constexpr int kDefaultKeyMapResource = 105;

    static QString defaultFilePath(const AppPaths& paths);
    static QString userFilePath(const AppPaths& paths);

    // Rewrites the default map from the embedded copy and reads it; then, when `useUserMap`,
    // replaces every entry from the user's file, so a note missing there becomes unassigned. The
    // pedal always comes from the user's file.
    void LoadKeyMaps(const AppPaths& paths, const NoteTable& notes, bool useUserMap);
    // Reads all 88 entries of one key-map file; a key whose note name is unknown gets "".
    void readFile(const QString& path, const NoteTable& notes);
    // The embedded default map, as a fresh start has it, read without writing a file: for
    // commands that run without a data folder.
    void readEmbeddedDefault(const NoteTable& notes);

    // "" for an unassigned key or an index outside 0..87.
    QString strKeyName(int keyIndex) const;
    void setStrKeyName(int keyIndex, const QString& name);

    // The lowest piano key assigned to `name`, or -1; an empty name matches nothing.
    int keyIndexOfName(const QString& name) const;
    // The piano key of a pressed computer key, or -1.
    int lookup(int keyCode, bool capsLockOn) const;

    // The computer key of the sustain pedal; "" (the default) for none.
    QString pedalKeyName() const { return pedalKeyName_; }
    void setPedalKeyName(const QString& name) { pedalKeyName_ = name; }
    bool isPedalKey(int keyCode, bool capsLockOn) const;
    // The pedal entry of a key-map file; "" when it has none.
    static QString readPedalKeyName(const QString& path);
    // Stores the pedal entry; an empty name removes it.
    static void writePedalKeyName(const QString& name, const QString& path);

signals:
    // An entry changed; reading a file counts as one change.
    void changed();

private:
    // Every entry from `valueOf` (a note name in, the key name stored for it out).
    void readEntries(const NoteTable& notes, const std::function<QString(const QString&)>& valueOf);

    std::array<QString, NoteTable::kKeyCount> names_;
    QString pedalKeyName_;
};
