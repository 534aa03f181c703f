#pragma once
// One of the 88 drawn keys as assistive technology and desktop test tools see it: a button named
// "琴键 " and its key index, placed where the key is drawn, pressed while it is drawn pressed.
#include <QAccessibleInterface>
#include <QPointer>

class PianoKeyboard;

class AccessiblePianoKey : public QAccessibleInterface {
public:
    AccessiblePianoKey(PianoKeyboard* keyboard, int keyIndex);

    static QString name(int keyIndex);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text which) const override;
    void setText(QAccessible::Text which, const QString& text) override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

private:
    QPointer<PianoKeyboard> keyboard_;
    int keyIndex_;
};
