#pragma once
// The one road for the status text: every part of the program that has something to say writes
// here, and the status bar only shows text(). The bar's text is the program's state (what the
// transport reports, a loading step, a result), unless an activity runs that names itself there
// (a recording, a folder scan); when the last activity ends, the state shows again as it is by
// then, never a copy kept from before. What a person must see even with the status bar hidden
// (the status bar is hidden on a first start) is also a notice, which stands until the next
// action of the person.
#include <QList>
#include <QObject>
#include <QString>

class StatusLine : public QObject {
    Q_OBJECT
public:
    explicit StatusLine(QObject* parent = nullptr);

    // What the status bar shows.
    QString text() const;
    QString state() const { return state_; }
    void show(const QString& state);

    // `activity` (any address that stands for it) names itself in the bar until it ends; of two
    // running at once the one that spoke last is shown.
    void showActivity(const void* activity, const QString& text);
    void endActivity(const void* activity);

    // The state text, and a notice of the same text.
    void tell(const QString& text);
    // A notice alone, beside what the bar shows.
    void notify(const QString& text);
    // The person acted: the notice has been seen.
    void dismissNotice() { notify(QString()); }
    // "" when there is none.
    QString notice() const { return notice_; }

signals:
    void textChanged(const QString& text);
    void noticeChanged(const QString& notice);

private:
    void forget(const void* activity);
    void publish();

    QString state_;
    // Running activities with their texts, the one that spoke last at the end.
    QList<std::pair<const void*, QString>> activities_;
    QString shown_;
    QString notice_;
};
