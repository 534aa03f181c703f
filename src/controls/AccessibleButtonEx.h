#pragma once
// What assistive technology and desktop test tools see of a skinned button: a push button they
// can press, or, in the two-state style, a toggle button that shows whether it is held down.
#include <QAccessibleWidget>

class ButtonEx;

class AccessibleButtonEx : public QAccessibleWidget {
public:
    explicit AccessibleButtonEx(ButtonEx* button);

    QString text(QAccessible::Text which) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;

private:
    ButtonEx* button() const;
};
