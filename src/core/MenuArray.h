#pragma once
// A menu as the array of its entries in menu order. Menus with entries made at run time (recent
// files, favorites) grow and shrink at their end.
#include "core/MenuItem.h"

#include <QList>

class MenuArray : public QObject {
    Q_OBJECT
public:
    explicit MenuArray(const QString& caption, QObject* parent = nullptr);

    QString caption() const { return caption_; }
    qsizetype count() const { return items_.size(); }
    // Null for an index outside the array.
    MenuItem* at(qsizetype index) const { return index >= 0 && index < items_.size() ? items_[index] : nullptr; }
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
