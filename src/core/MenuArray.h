#pragma once
// A menu as an array of entries addressed by index, as the commands name them. Arrays with
// entries made at run time (recent files, favorites) grow and shrink at their end.
#include "core/MenuItem.h"

#include <QList>

class MenuArray : public QObject {
    Q_OBJECT
public:
    struct Entry {
        QString caption;
        QString shortcut;
    };

    MenuArray(const QString& caption, const QList<Entry>& entries, QObject* parent = nullptr);

    QString caption() const { return caption_; }
    qsizetype count() const { return items_.size(); }
    // Null for an index outside the array.
    MenuItem* at(qsizetype index) const { return index >= 0 && index < items_.size() ? items_[index] : nullptr; }
    MenuItem* operator()(qsizetype index) const { return at(index); }
    // The first entry with that caption, or null.
    MenuItem* byCaption(const QString& caption) const;
    qsizetype indexOf(const MenuItem* item) const { return items_.indexOf(item); }

    MenuItem* append(const QString& caption, const QString& shortcut = {});
    // Removes the entries from `index` to the end.
    void truncate(qsizetype index);

signals:
    // Entries were added or removed.
    void itemsChanged();
    // An entry was triggered; `index` is its place in the array.
    void triggered(int index);

private:
    QString caption_;
    QList<MenuItem*> items_;
};
