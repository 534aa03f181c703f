#pragma once
// A MIDI keyboard playing the on-screen keys: its note-on and note-off go down the same path as
// the computer keys, with the keyboard's own velocity, and its sustain pedal is the pedal. The
// chosen port is remembered by name; a port that disappears is reported once and let go.
#include "keyboard/LiveKeyboard.h"
#include "platform/MidiInputBackend.h"

#include <QObject>
#include <QStringList>

class MidiKeyboardInput : public QObject {
    Q_OBJECT
public:
    // The MIDI note of the lowest on-screen key, the A of an 88-key piano.
    static constexpr int kLowestNote = 21;

    MidiKeyboardInput(MidiInputBackend& backend, LiveKeyboard& live, QObject* parent = nullptr);

    // "无" first, then the system's ports as last listed.
    QStringList choices() const;
    int choiceIndex() const { return choiceIndex_; }
    QString portName() const { return portName_; }

    // Lists the system's ports anew; the chosen port keeps its place by name. A chosen port the
    // system no longer lists is let go and reported once.
    void refreshPorts();
    // 0 closes the input; a port that cannot be opened leaves "无" chosen. An index outside the
    // choices is refused.
    bool choose(int choiceIndex);
    // The remembered port, when the system still has it.
    void chooseByName(const QString& name);
    // One short message from the keyboard.
    void message(const std::vector<unsigned char>& bytes);

    static QString noneCaption() { return QStringLiteral("无"); }
    static QString lostText(const QString& name);

    // The remembered port, kept by name in the settings file.
    void load(const QString& settingsFile);
    void save(const QString& settingsFile) const;

signals:
    void choicesChanged();
    void chosen(int choiceIndex);
    void statusMessage(const QString& text);

private:
    MidiInputBackend& backend_;
    LiveKeyboard& live_;
    QStringList ports_;
    int choiceIndex_ = 0;
    QString portName_;
};
