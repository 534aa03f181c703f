#include "app/NoticeLabel.h"

#include "core/StatusLine.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {
constexpr int kMargin = 8;
} // namespace

NoticeLabel::NoticeLabel(StatusLine& status, QWidget& keyboard, QWidget& window)
    : QLabel(keyboard.parentWidget()), status_(status), keyboard_(keyboard), window_(window) {
    setObjectName(QStringLiteral("lblNotice"));
    setWordWrap(true);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setStyleSheet(QStringLiteral("QLabel { background: #fff4c0; color: #202020;"
                                 " border: 1px solid #b08a20; border-radius: 3px;"
                                 " padding: 5px 12px; }"));
    hide();
    connect(&status_, &StatusLine::noticeChanged, this, &NoticeLabel::showNotice);
    keyboard_.installEventFilter(this);
    showNotice(status_.notice());
}

void NoticeLabel::showNotice(const QString& text) {
    setText(text);
    setVisible(!text.isEmpty());
    if (text.isEmpty()) {
        QApplication::instance()->removeEventFilter(this);
        return;
    }
    // Installed again, it sees a press before the filters that take the piano keys.
    QApplication::instance()->installEventFilter(this);
    place();
    raise();
}

void NoticeLabel::place() {
    const QRect keys = keyboard_.geometry();
    const int width = std::min(sizeHint().width(), keys.width() - 2 * kMargin);
    const int height = heightForWidth(width) > 0 ? heightForWidth(width) : sizeHint().height();
    setGeometry(keys.x() + (keys.width() - width) / 2, keys.y() + kMargin, width, height);
}

bool NoticeLabel::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == &keyboard_ && (type == QEvent::Resize || type == QEvent::Move)) {
        if (isVisible()) place();
        return false;
    }
    // The window receives each press once, before its widgets do; a held key's repeats are no
    // new action.
    if (watched == nullptr || watched != window_.windowHandle() || status_.notice().isEmpty())
        return false;
    const bool keyPress =
        type == QEvent::KeyPress && !static_cast<const QKeyEvent*>(event)->isAutoRepeat();
    if (keyPress || type == QEvent::MouseButtonPress) status_.dismissNotice();
    return false;
}
