#pragma once
// The notice over the keys: what the program must tell a person whether or not the status bar is
// shown (the end of a practice run, no sound output, a MIDI port gone). It stands until the
// person's next key or pointer press in the window, and lets the pointer through to the keys
// under it. Screen readers read it as a label.
#include <QLabel>

class StatusLine;

class NoticeLabel : public QLabel {
    Q_OBJECT
public:
    // Shown over `keyboard`, in its parent; `window` is where the person acts.
    NoticeLabel(StatusLine& status, QWidget& keyboard, QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showNotice(const QString& text);
    void place();

    StatusLine& status_;
    QWidget& keyboard_;
    QWidget& window_;
};
