#include "app/frmSplash.h"

#include "core/VersionInfo.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kWidth = 420;
constexpr int kHeight = 240;
constexpr int kKeyboardTop = 150;
} // namespace

QString frmSplash::titleText() {
    return QStringLiteral("Tonvale %1.%2.%3")
        .arg(VersionInfo::major)
        .arg(VersionInfo::minor)
        .arg(VersionInfo::revision);
}

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);

    lblTitle = new QLabel(titleText(), this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSize(22);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setStyleSheet(QStringLiteral("color: white;"));
    lblTitle->adjustSize();
    lblTitle->move((kWidth - lblTitle->width()) / 2, 40);

    lblStatus = new QLabel(QStringLiteral("正在 初始化……"), this);
    lblStatus->setStyleSheet(QStringLiteral("color: #dfe8ff;"));
    lblStatus->setGeometry(16, 112, kWidth - 32, 24);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWidth) / 2,
             area.y() + static_cast<int>((area.height() - kHeight) / 2.5));
    }
}

void frmSplash::setStatus(const QString& text) {
    lblStatus->setText(text);
    repaint();
    // Lets a key press close the splash while the start-up is still running.
    QCoreApplication::processEvents();
}

QString frmSplash::status() const { return lblStatus->text(); }

void frmSplash::keyPressEvent(QKeyEvent*) { close(); }

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(40, 62, 140));
    sky.setColorAt(1, QColor(12, 20, 56));
    p.fillRect(rect(), sky);
    // A strip of piano keys along the bottom: the program's picture of itself.
    const int whiteWidth = 20;
    const int count = width() / whiteWidth + 1;
    for (int i = 0; i < count; ++i) {
        const QRect key(i * whiteWidth, kKeyboardTop, whiteWidth - 1, height() - kKeyboardTop);
        p.fillRect(key, QColor(250, 250, 245));
    }
    static constexpr bool blackAfter[7] = {true, true, false, true, true, true, false};
    for (int i = 0; i < count; ++i) {
        if (!blackAfter[i % 7]) continue;
        p.fillRect(QRect(i * whiteWidth + whiteWidth * 2 / 3, kKeyboardTop, whiteWidth * 2 / 3, 52),
                   QColor(20, 20, 24));
    }
    p.setPen(QColor(255, 255, 255, 90));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
