#include "controls/AccessibleSlider.h"

#include <QWidget>

AccessibleSlider::AccessibleSlider(QWidget* slider, Range range)
    : QAccessibleWidget(slider, QAccessible::Slider), range_(std::move(range)) {}

void* AccessibleSlider::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString AccessibleSlider::text(QAccessible::Text which) const {
    if (which == QAccessible::Value) return QString::number(range_.value());
    return QAccessibleWidget::text(which);
}

QVariant AccessibleSlider::currentValue() const {
    return range_.value();
}

void AccessibleSlider::setCurrentValue(const QVariant& value) {
    if (widget()->isEnabled()) range_.setValue(value.toInt());
}

QVariant AccessibleSlider::maximumValue() const {
    return range_.maximum();
}

QVariant AccessibleSlider::minimumValue() const {
    return 0;
}

QVariant AccessibleSlider::minimumStepSize() const {
    return 1;
}
