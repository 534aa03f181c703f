#pragma once
// The window shown while the program starts: the logo, the title with the version, and the
// status of the start-up. Any key closes it early; the start-up goes on.
#include <QWidget>

class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();
    // Shows a start-up step and repaints at once: the start-up runs before the event loop.
    void setStatus(const QString& text);
    QString status() const;
    static QString titleText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* lblTitle = nullptr;
    QLabel* lblStatus = nullptr;
};
