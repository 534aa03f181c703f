#pragma once
// The on-screen keyboard as assistive technology and desktop test tools see it: a group named
// "钢琴键盘" whose 88 children are the keys, from the lowest (key 0) to the highest.
#include "core/NoteTable.h"

#include <QAccessibleWidget>
#include <array>

class PianoKeyboard;

class AccessiblePianoKeyboard : public QAccessibleWidget {
public:
    explicit AccessiblePianoKeyboard(PianoKeyboard* keyboard);
    ~AccessiblePianoKeyboard() override;

    // Lets the accessibility framework build one for every keyboard; later calls do nothing.
    static void installFactory();

    QString text(QAccessible::Text which) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    PianoKeyboard* keyboard() const;

    // The keys' interfaces, made when first asked for and owned by the framework's registry.
    mutable std::array<QAccessible::Id, NoteTable::kKeyCount> keys_{};
};
