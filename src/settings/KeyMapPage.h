#pragma once
// The key page's widgets: the drawn keyboard, a transparent label over every key, a read-only
// name box per key and one for the sustain pedal, numbered KeyMapEditor::kPedalBox. It reports
// clicks and released keys and shows what the model tells it.
#include "core/NoteTable.h"
#include "keyboard/KeyEventTranslator.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;

class KeyMapPage : public QWidget {
    Q_OBJECT
public:
    explicit KeyMapPage(QWidget* parent = nullptr);

    std::array<QLabel*, NoteTable::kKeyCount> lblToKey{};
    std::array<QLineEdit*, NoteTable::kKeyCount> txtKeyAscii{};
    QLineEdit* txtPedal = nullptr;

    void setKeyText(int keyIndex, const QString& name);
    // Gives label `keyIndex` the border and takes it from all others; -1 clears every border.
    void setMarked(int keyIndex);
    int markedKey() const { return marked_; }
    // Puts the focus into the key's box with its whole text selected.
    void focusBox(int keyIndex);
    QSize sizeHint() const override;

signals:
    void labelClicked(int keyIndex);
    void boxClicked(int keyIndex);
    void keyReleased(int keyIndex, int keyCode, bool capsLockOn);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool boxEvent(int keyIndex, QEvent* event);
    QLineEdit* addBox(const QRect& where);
    QLineEdit* box(int index) const;

    KeyEventTranslator translator_;
    int marked_ = -1;
};
