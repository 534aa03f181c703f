#pragma once
// Records every message box the logic shows and answers with a scripted answer.
#include "platform/MessageSink.h"

#include <QList>

class RecordingMessageSink : public MessageSink {
public:
    MessageAnswer show(const Message& message) override {
        shown.append(message);
        return answers.isEmpty() ? MessageAnswer::Ok : answers.takeFirst();
    }
    QStringList texts() const {
        QStringList out;
        for (const Message& m : shown) out << m.text;
        return out;
    }

    QList<Message> shown;
    QList<MessageAnswer> answers;
};
