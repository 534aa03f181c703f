#pragma once
// The 88 on-screen keys. It draws each key pressed or released as LiveKeyboard tells it, and
// turns the pointer into pointer gestures: a press strikes the key under the pointer, every
// move with the button held strikes the key it reaches (a glissando), and the release hands the
// key under the pointer back as released.
#include "core/NoteTable.h"
#include "keyboard/KeyLabels.h"

#include <QWidget>
#include <array>

class LiveKeyboard;
class PointerGestures;
class QPainter;

class PianoKeyboard : public QWidget {
    Q_OBJECT
public:
    // Edge styles of DrawKeyEdge: sunken for a pressed key, a flat border for a released one.
    static constexpr int kEdgeSunken = 10;
    static constexpr int kEdgeReleased = 3;

    PianoKeyboard(const LiveKeyboard& live, PointerGestures& pointer, QWidget* parent = nullptr);

    // The key's rectangle in this widget's coordinates (pixels); empty outside 0..87.
    QRect keyRect(int keyIndex) const;
    // The key under `pos` (black keys lie above white ones), or -1.
    int keyAt(const QPoint& pos) const;

    // Redraws one key with a caption (centred, shifted a little when pressed) and an edge style.
    void DrawKeyEdge(int keyIndex, const QString& caption, int edgeStyle);
    bool isDrawnPressed(int keyIndex) const;
    QString caption(int keyIndex) const;

    // The names on the key faces, drawn under any caption.
    void setLabels(const KeyLabels::Labels& labels);
    KeyLabels::Label label(int keyIndex) const;
    // The key that practice mode waits for takes a colour of its own; -1 marks none.
    void setDueKey(int keyIndex);
    // The key after the due one, in a paler colour, so that the hand can get ready.
    void setFollowingKey(int keyIndex);
    // Keyboard playing with the pointer following: the pointer moves onto the key, unless the
    // button is held.
    void followPointer(int keyIndex);
    int dueKey() const { return dueKey_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    struct KeyLook {
        bool pressed = false;
        QString caption;
    };

    void paintKey(QPainter& painter, int keyIndex) const;
    PointerGestures& pointer_;
    std::array<QRect, NoteTable::kKeyCount> rects_;
    std::array<KeyLook, NoteTable::kKeyCount> looks_{};
    KeyLabels::Labels labels_{};
    int dueKey_ = -1;
    int followingKey_ = -1;
    bool dragging_ = false;
};
