#pragma once
// Message boxes as the logic sees them: a text, a title, an icon and the buttons offered.
#include <QCoreApplication>
#include <QString>

enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, OkCancel, YesNo };
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // Stays in front of every window of the desktop session, not only of ours.
    bool systemModal = false;
    // Enter answers Cancel (questions that would delete something); otherwise it answers OK.
    bool cancelIsDefault = false;
};

// The program's error box: its name as the title, an OK button, in front of every window.
inline Message errorMessage(const QString& text) {
    return {text, QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok, true};
}

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer show(const Message& message) = 0;
};
