#pragma once
// A MIDI keyboard playing the on-screen keys: its note-on and note-off go down the same path as
// the computer keys, with the keyboard's own velocity, and its sustain pedal is the pedal. Its
// note n plays the key that sounds n in the key of C, so it sounds at its own pitch; notes
// beyond the keys are moved by octaves into them. The chosen port is remembered by name; a port
// that disappears is reported once, its held keys released, and it is taken again when a port
// of that name comes back, whatever number the system then gives it.
#include "keyboard/LiveKeyboard.h"
#include "platform/MidiInputBackend.h"

#include <QList>
#include <QObject>
#include <QStringList>

class MidiKeyboardInput : public QObject {
    Q_OBJECT
public:
    MidiKeyboardInput(MidiInputBackend& backend, LiveKeyboard& live, QObject* parent = nullptr);

    // "无" first, then the system's ports as last listed.
    QStringList choices() const;
    int choiceIndex() const { return choiceIndex_; }
    QString portName() const { return portName_; }

    // Lists the system's ports anew; the chosen port keeps its place by name. A chosen port the
    // system no longer lists is let go and reported once; it is opened again when it returns.
    void refreshPorts();
    // 0 closes the input; a port that cannot be opened leaves "无" chosen. An index outside the
    // choices is refused.
    bool choose(int choiceIndex);
    // The remembered port, now or when the system lists it.
    void chooseByName(const QString& name);
    // One short message from the keyboard.
    void message(const std::vector<unsigned char>& bytes);

    static QString noneCaption() { return QStringLiteral("无"); }
    static QString lostText(const QString& name);
    // A port's name without the client and port numbers ALSA puts at its end ("Keys:Keys MIDI 1
    // 24:0"), which change when the device is plugged in again.
    static QString lastingName(const QString& portName);

    // The remembered port, kept by name in the settings file.
    void load(const QString& settingsFile);
    void save(const QString& settingsFile) const;

signals:
    void choicesChanged();
    void chosen(int choiceIndex);
    void statusMessage(const QString& text);

private:
    bool open(int choiceIndex);
    // The choice of the port named like `name`, or 0.
    int choiceNamed(const QString& name) const;
    void releaseHeldKeys();

    MidiInputBackend& backend_;
    LiveKeyboard& live_;
    QStringList ports_;
    int choiceIndex_ = 0;
    QString portName_;
    // The port the user chose, kept while it is gone.
    QString wanted_;
    QList<int> heldKeys_;
};
