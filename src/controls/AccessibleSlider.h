#pragma once
// What assistive technology and desktop test tools see of a slider we paint ourselves: a slider
// with its name, its value and its range, whose value they may also set.
#include <QAccessibleWidget>
#include <functional>

class AccessibleSlider : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    struct Range {
        std::function<int()> value;
        std::function<int()> maximum;
        std::function<void(int)> setValue;
    };

    AccessibleSlider(QWidget* slider, Range range);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text which) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    Range range_;
};
