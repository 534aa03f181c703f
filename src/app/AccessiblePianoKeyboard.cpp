#include "app/AccessiblePianoKeyboard.h"

#include "app/AccessiblePianoKey.h"
#include "app/PianoKeyboard.h"

AccessiblePianoKeyboard::AccessiblePianoKeyboard(PianoKeyboard* keyboard)
    : QAccessibleWidget(keyboard, QAccessible::Grouping) {}

AccessiblePianoKeyboard::~AccessiblePianoKeyboard() {
    for (QAccessible::Id id : keys_)
        if (id != 0) QAccessible::deleteAccessibleInterface(id);
}

void AccessiblePianoKeyboard::installFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(
            [](const QString& className, QObject* object) -> QAccessibleInterface* {
                if (className != QLatin1String("PianoKeyboard")) return nullptr;
                return new AccessiblePianoKeyboard(static_cast<PianoKeyboard*>(object));
            });
        return true;
    }();
    (void)installed;
}

PianoKeyboard* AccessiblePianoKeyboard::keyboard() const {
    return static_cast<PianoKeyboard*>(widget());
}

QString AccessiblePianoKeyboard::text(QAccessible::Text which) const {
    QString text = QAccessibleWidget::text(which);
    if (which == QAccessible::Name && text.isEmpty()) text = QStringLiteral("钢琴键盘");
    return text;
}

int AccessiblePianoKeyboard::childCount() const {
    return NoteTable::kKeyCount;
}

QAccessibleInterface* AccessiblePianoKeyboard::child(int index) const {
    if (index < 0 || index >= NoteTable::kKeyCount) return nullptr;
    QAccessible::Id& id = keys_[size_t(index)];
    if (id == 0)
        id = QAccessible::registerAccessibleInterface(new AccessiblePianoKey(keyboard(), index));
    return QAccessible::accessibleInterface(id);
}

int AccessiblePianoKeyboard::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (keys_[size_t(i)] != 0 && QAccessible::accessibleInterface(keys_[size_t(i)]) == child)
            return i;
    return -1;
}

QAccessibleInterface* AccessiblePianoKeyboard::childAt(int x, int y) const {
    const int key = keyboard()->keyAt(keyboard()->mapFromGlobal(QPoint(x, y)));
    return key >= 0 ? child(key) : nullptr;
}
