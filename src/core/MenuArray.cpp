#include "core/MenuArray.h"

MenuArray::MenuArray(const QString& caption, QObject* parent) : QObject(parent), caption_(caption) {}

MenuItem* MenuArray::byCaption(const QString& caption) const {
    for (MenuItem* item : items_)
        if (item->caption() == caption) return item;
    return nullptr;
}

MenuItem* MenuArray::append(const QString& caption, const QString& shortcut) {
    auto* item = new MenuItem(caption, shortcut, this);
    items_.append(item);
    connect(item, &MenuItem::triggered, this, [this, item] { emit triggered(int(items_.indexOf(item))); });
    emit itemsChanged();
    return item;
}

void MenuArray::truncate(qsizetype index) {
    if (index < 0 || index >= items_.size()) return;
    while (items_.size() > index) delete items_.takeLast();
    emit itemsChanged();
}
