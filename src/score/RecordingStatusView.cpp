#include "score/RecordingStatusView.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

RecordingStatusView::RecordingStatusView(Recorder& recorder, StatusLine& status, QLabel* lblStatus,
                                         const QCursor& pointer, QObject* parent)
    : QObject(parent), recorder_(recorder), status_(status), lblStatus_(lblStatus),
      pointer_(pointer),
      normalText_(lblStatus->palette().color(QPalette::WindowText)) {
    lblStatus_->installEventFilter(this);
    connect(&recorder_, &Recorder::recordingChanged, this, &RecordingStatusView::showRecording);
}

void RecordingStatusView::showRecording(bool recording) {
    if (!lblStatus_) return;
    if (recording) {
        status_.showActivity(this, Recorder::statusText());
        lblStatus_->setCursor(pointer_);
        return;
    }
    status_.endActivity(this);
    lblStatus_->unsetCursor();
    setHighlighted(false);
}

void RecordingStatusView::setHighlighted(bool highlighted) {
    QPalette palette = lblStatus_->palette();
    palette.setColor(QPalette::WindowText, highlighted ? QColor(Qt::red) : normalText_);
    lblStatus_->setPalette(palette);
    QFont font = lblStatus_->font();
    font.setUnderline(highlighted);
    lblStatus_->setFont(font);
}

bool RecordingStatusView::eventFilter(QObject* watched, QEvent* event) {
    // The label also sends events while it is being destroyed, when it is a QLabel no more and
    // the recorder may be gone: only the four events below, which a live label alone gets, may
    // look at either.
    const QEvent::Type type = event->type();
    if (type != QEvent::Enter && type != QEvent::Leave && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonRelease)
        return false;
    if (watched != lblStatus_ || !recorder_.IsRecording()) return false;
    switch (type) {
    case QEvent::Enter:
        setHighlighted(true);
        break;
    case QEvent::Leave:
        setHighlighted(false);
        break;
    case QEvent::MouseButtonPress:
        // Taking the press makes the release come back to the label.
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            lblStatus_->rect().contains(mouse->position().toPoint()))
            recorder_.SaveFromStatusClick();
        return true;
    }
    default:
        break;
    }
    return false;
}
