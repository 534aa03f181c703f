#pragma once
// Message boxes on the desktop, owned by the main window once it exists.
#include "platform/MessageSink.h"

#include <QPointer>
#include <QWidget>

class QtMessageSink : public MessageSink {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    MessageAnswer show(const Message& message) override;

private:
    QPointer<QWidget> owner_;
};
