#pragma once
// A contact link of the About page: red and underlined while the pointer is over it; a click
// opens its address.
#include <QLabel>

class ContactLink : public QLabel {
    Q_OBJECT
public:
    ContactLink(const QString& caption, const QString& target, QWidget* parent = nullptr);

    QString target() const { return target_; }
    bool isHighlighted() const { return highlighted_; }
    void setHighlighted(bool on);

signals:
    void activated(const QString& target);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString target_;
    bool highlighted_ = false;
};
