#pragma once
// Follows the Caps Lock state for the names on the keys: asks the window system at every key
// event of one window and whenever that window becomes active, since Caps Lock may have been
// toggled in another window. Where the window system gives no answer, it reads the state from
// the keys typed, as the key handling does.
#include "keyboard/KeyEventTranslator.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

class CapsLockWatcher : public QObject {
    Q_OBJECT
public:
    using Query = std::function<std::optional<bool>()>;

    // Watches the application's events for those of `window`; `query` may be empty.
    CapsLockWatcher(QWidget& window, Query query, QObject* parent = nullptr);

    bool capsLockOn() const { return on_; }

signals:
    void changed(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    QWidget& window_;
    Query query_;
    KeyEventTranslator typed_;
    bool on_ = false;
};
