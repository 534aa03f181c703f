#include "controls/AccessibleButtonEx.h"

#include "controls/ButtonEx.h"

AccessibleButtonEx::AccessibleButtonEx(ButtonEx* button)
    : QAccessibleWidget(button, QAccessible::Button) {}

ButtonEx* AccessibleButtonEx::button() const {
    return static_cast<ButtonEx*>(widget());
}

QString AccessibleButtonEx::text(QAccessible::Text which) const {
    QString text = QAccessibleWidget::text(which);
    // A button that shows a caption is named by it, without its access-key marker.
    if (which == QAccessible::Name && text.isEmpty()) text = button()->Caption().remove(u'&');
    return text;
}

QAccessible::State AccessibleButtonEx::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (button()->Style() == ButtonExState::kTwoStateStyle) {
        state.checkable = true;
        state.checked = button()->Value() == 0;
    }
    return state;
}

QStringList AccessibleButtonEx::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void AccessibleButtonEx::doAction(const QString& action) {
    if (action == pressAction() && widget()->isEnabled())
        emit button()->Click();
    else
        QAccessibleWidget::doAction(action);
}
