#pragma once
// The ten list entries opened last, newest first, with the captions of the recent-files submenu.
// An entry with a position suffix and the same path without it are two different entries.
#include <QObject>
#include <QStringList>

class RecentFiles : public QObject {
    Q_OBJECT
public:
    static constexpr int maxCount = 10;

    explicit RecentFiles(QObject* parent = nullptr);

    const QStringList& lstRecentFullPath() const { return entries_; }
    int count() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.isEmpty(); }

    // Makes the entry the newest one: moved to the top when present, otherwise inserted there,
    // the oldest dropping out beyond ten. An empty entry changes nothing.
    void AddRecentFile(const QString& entry);
    // The clear command of the submenu, also run at exit when so configured.
    void clear();
    // "&k name" with " *row" for an entry with a position suffix; k is the access key. An "&" in
    // the name is doubled so that it shows as itself.
    QString caption(int k) const;
    QStringList captions() const;

    // Section 最近打开的文件 of the settings file: "个数" and the keys "0" to n − 1, key "0" the
    // newest. A count outside 0..10 restores nothing; empty keys add nothing.
    void restore(const QString& settingsPath);
    bool save(const QString& settingsPath) const;

signals:
    void changed();

private:
    QStringList entries_;
};
