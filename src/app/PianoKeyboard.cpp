#include "app/PianoKeyboard.h"

#include "app/AccessiblePianoKeyboard.h"
#include "app/KeyLabelPainter.h"

#include "core/Twips.h"
#include "keyboard/KeyGeometry.h"
#include "keyboard/LiveKeyboard.h"
#include "keyboard/PointerGestures.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The classic three-dimensional border colours, the same on every desktop theme.
const QColor kHighlight(255, 255, 255);
const QColor kLight(227, 227, 227);
const QColor kShadow(160, 160, 160);
const QColor kDarkShadow(105, 105, 105);

// One ring of a border: the top and left sides in one colour, the bottom and right in another.
void drawRing(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

bool validKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount;
}

} // namespace

PianoKeyboard::PianoKeyboard(const LiveKeyboard& live, PointerGestures& pointer, QWidget* parent)
    : QWidget(parent), pointer_(pointer) {
    AccessiblePianoKeyboard::installFactory();
    const QRect area = twipsToPixels(KeyGeometry::keyboardRect());
    setGeometry(area);
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        rects_[i] = twipsToPixels(KeyGeometry::keyRect(i)).translated(-area.topLeft());
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&live, &LiveKeyboard::keyPressedLook, this,
            [this](int keyIndex) { DrawKeyEdge(keyIndex, QString(), kEdgeSunken); });
    connect(&live, &LiveKeyboard::keyReleasedLook, this,
            [this](int keyIndex) { DrawKeyEdge(keyIndex, QString(), kEdgeReleased); });
}

QRect PianoKeyboard::keyRect(int keyIndex) const {
    return validKey(keyIndex) ? rects_[keyIndex] : QRect();
}

int PianoKeyboard::keyAt(const QPoint& pos) const {
    // Black keys first: they lie on top. Of two overlapping white keys the right one is on top.
    for (int i = NoteTable::kKeyCount - 1; i >= 0; --i)
        if (NoteTable::isBlackKey(i) && rects_[i].contains(pos)) return i;
    for (int i = NoteTable::kKeyCount - 1; i >= 0; --i)
        if (!NoteTable::isBlackKey(i) && rects_[i].contains(pos)) return i;
    return -1;
}

void PianoKeyboard::DrawKeyEdge(int keyIndex, const QString& caption, int edgeStyle) {
    if (!validKey(keyIndex)) return;
    looks_[keyIndex] = {edgeStyle == kEdgeSunken, caption};
    update(keyRect(keyIndex));
}

bool PianoKeyboard::isDrawnPressed(int keyIndex) const {
    return validKey(keyIndex) && looks_[keyIndex].pressed;
}

QString PianoKeyboard::caption(int keyIndex) const {
    return validKey(keyIndex) ? looks_[keyIndex].caption : QString();
}

void PianoKeyboard::setLabels(const KeyLabels::Labels& labels) {
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (labels_[i] != labels[i]) update(keyRect(i));
    labels_ = labels;
}

KeyLabels::Label PianoKeyboard::label(int keyIndex) const {
    return validKey(keyIndex) ? labels_[keyIndex] : KeyLabels::Label{};
}

void PianoKeyboard::setDueKey(int keyIndex) {
    if (!validKey(keyIndex)) keyIndex = -1;
    if (keyIndex == dueKey_) return;
    update(keyRect(dueKey_));
    dueKey_ = keyIndex;
    update(keyRect(dueKey_));
}

void PianoKeyboard::setFollowingKey(int keyIndex) {
    if (!validKey(keyIndex)) keyIndex = -1;
    if (keyIndex == followingKey_) return;
    update(keyRect(followingKey_));
    followingKey_ = keyIndex;
    update(keyRect(followingKey_));
}

void PianoKeyboard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (!NoteTable::isBlackKey(i)) paintKey(painter, i);
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (NoteTable::isBlackKey(i)) paintKey(painter, i);
}

void PianoKeyboard::paintKey(QPainter& painter, int keyIndex) const {
    const QRect r = keyRect(keyIndex);
    const bool black = NoteTable::isBlackKey(keyIndex);
    const KeyLook& look = looks_[keyIndex];
    // A struck key takes a tint as well as its sunken edge, so it shows from across the room.
    static const QColor pressedWhite(196, 212, 242);
    static const QColor pressedBlack(58, 72, 112);
    // The key practice mode waits for, in a colour no other state uses.
    static const QColor dueWhite(255, 190, 70);
    static const QColor dueBlack(190, 90, 0);
    static const QColor followingWhite(255, 228, 180);
    static const QColor followingBlack(120, 80, 40);
    if (look.pressed) painter.fillRect(r, black ? pressedBlack : pressedWhite);
    else if (keyIndex == dueKey_) painter.fillRect(r, black ? dueBlack : dueWhite);
    else if (keyIndex == followingKey_) painter.fillRect(r, black ? followingBlack : followingWhite);
    else painter.fillRect(r, black ? Qt::black : Qt::white);
    KeyLabelPainter::paint(painter, r, black, look.pressed, labels_[keyIndex]);

    if (!look.caption.isEmpty()) {
        // Black text would vanish on a black key.
        painter.setPen(black ? QColor(Qt::white) : palette().color(QPalette::WindowText));
        const QFontMetrics metrics = painter.fontMetrics();
        const int offset = look.pressed ? 2 : 0;
        const QSize text(metrics.horizontalAdvance(look.caption), metrics.height());
        const QPoint at(r.x() + (r.width() - text.width() + offset) / 2,
                        r.y() + (r.height() - text.height() + offset) / 2);
        painter.drawText(QRect(at, text), Qt::AlignLeft | Qt::AlignTop, look.caption);
    }

    if (look.pressed) {
        drawRing(painter, r, kShadow, kHighlight);
        drawRing(painter, r.adjusted(1, 1, -1, -1), kDarkShadow, kLight);
    } else {
        drawRing(painter, r, kShadow, kDarkShadow);
    }
}

void PianoKeyboard::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const int keyIndex = keyAt(event->position().toPoint());
    if (keyIndex < 0) return;
    dragging_ = true;
    pointer_.pointerPressed(keyIndex);
}

void PianoKeyboard::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) return;
    pointer_.pointerMoved(keyAt(event->position().toPoint()));
}

void PianoKeyboard::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_) return;
    dragging_ = false;
    pointer_.pointerReleased(keyAt(event->position().toPoint()));
}

void PianoKeyboard::followPointer(int keyIndex) {
    if (dragging_ || !validKey(keyIndex)) return;
    QCursor::setPos(mapToGlobal(keyRect(keyIndex).center()));
}
