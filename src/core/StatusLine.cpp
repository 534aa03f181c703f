#include "core/StatusLine.h"

StatusLine::StatusLine(QObject* parent)
    : QObject(parent), state_(QStringLiteral("准备...")), shown_(state_) {}

QString StatusLine::text() const {
    return activities_.isEmpty() ? state_ : activities_.last().second;
}

void StatusLine::show(const QString& state) {
    state_ = state;
    publish();
}

void StatusLine::showActivity(const void* activity, const QString& text) {
    forget(activity);
    activities_.append({activity, text});
    publish();
}

void StatusLine::endActivity(const void* activity) {
    forget(activity);
    publish();
}

void StatusLine::forget(const void* activity) {
    activities_.removeIf([activity](const auto& running) { return running.first == activity; });
}

void StatusLine::tell(const QString& text) {
    show(text);
    notify(text);
}

void StatusLine::notify(const QString& text) {
    if (text == notice_) return;
    notice_ = text;
    emit noticeChanged(notice_);
}

// Only a change of what is shown is told: the shown text is compared, not what a writer wrote
// last, so that no writer's text can stand in for another's.
void StatusLine::publish() {
    const QString now = text();
    if (now == shown_) return;
    shown_ = now;
    emit textChanged(shown_);
}
