#include "settings/KeyMapPage.h"

#include "settings/KeyMapEditor.h"
#include "settings/KeyPictureLayout.h"

#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

namespace {
constexpr int kMargin = 6;
const QString kMarkedLook = QStringLiteral("QLabel { border: 2px solid rgb(220, 0, 0); }");
// A thin border and no padding leave room for the longest names ("Scroll Lock", "左Windows键").
const QString kBoxLook =
    QStringLiteral("QLineEdit { border: 1px solid rgb(138, 138, 138); padding: 0px; }");

QPoint origin() {
    return {kMargin, kMargin};
}
} // namespace

KeyMapPage::KeyMapPage(QWidget* parent) : QWidget(parent) {
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        txtKeyAscii[i] = addBox(KeyPictureLayout::boxRect(i));

        auto* label = new QLabel(this);
        label->setGeometry(KeyPictureLayout::keyRect(i).translated(origin()));
        label->installEventFilter(this);
        lblToKey[i] = label;
    }
    // Black keys lie on top of the white ones, so their labels take the clicks there.
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (NoteTable::isBlackKey(i)) lblToKey[i]->raise();

    auto* pedalCaption = new QLabel(QStringLiteral("延音踏板"), this);
    pedalCaption->setAlignment(Qt::AlignCenter);
    pedalCaption->setGeometry(KeyPictureLayout::pedalCaptionRect().translated(origin()));
    txtPedal = addBox(KeyPictureLayout::pedalBoxRect());
    pedalCaption->setBuddy(txtPedal);
}

QLineEdit* KeyMapPage::addBox(const QRect& where) {
    QFont boxFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    boxFont.setPixelSize(10);
    auto* box = new QLineEdit(this);
    box->setReadOnly(true);
    box->setFont(boxFont);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(kBoxLook);
    box->setGeometry(where.translated(origin()));
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
    return box;
}

QLineEdit* KeyMapPage::box(int index) const {
    if (index == KeyMapEditor::kPedalBox) return txtPedal;
    return index >= 0 && index < NoteTable::kKeyCount ? txtKeyAscii[index] : nullptr;
}

void KeyMapPage::setKeyText(int keyIndex, const QString& name) {
    QLineEdit* target = box(keyIndex);
    if (!target) return;
    target->setText(name);
    target->setToolTip(name);
}

void KeyMapPage::setMarked(int keyIndex) {
    if (marked_ >= 0) lblToKey[marked_]->setStyleSheet(QString());
    marked_ = keyIndex >= 0 && keyIndex < NoteTable::kKeyCount ? keyIndex : -1;
    if (marked_ >= 0) lblToKey[marked_]->setStyleSheet(kMarkedLook);
}

void KeyMapPage::focusBox(int keyIndex) {
    if (keyIndex < 0 || keyIndex >= NoteTable::kKeyCount) return;
    txtKeyAscii[keyIndex]->selectAll();
    txtKeyAscii[keyIndex]->setFocus(Qt::MouseFocusReason);
}

QSize KeyMapPage::sizeHint() const {
    return KeyPictureLayout::size() + QSize(2 * kMargin, 2 * kMargin);
}

bool KeyMapPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtPedal) return boxEvent(KeyMapEditor::kPedalBox, event);
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        if (watched == txtKeyAscii[i]) return boxEvent(i, event);
        if (watched == lblToKey[i]) {
            if (event->type() == QEvent::MouseButtonPress &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                emit labelClicked(i);
                return true;
            }
            return false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Every key typed into a box is the key to capture: Tab, Esc, Enter and the dialog's access keys
// must not move the focus, close the dialog or press a button.
bool KeyMapPage::boxEvent(int keyIndex, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit boxClicked(keyIndex);
        return false;
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        translator_.keyPressed(key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
        return true;
    }
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat()) return true;
        const int code = KeyEventTranslator::keyReleased(key->key(), key->modifiers()).code;
        if (code != 0) emit keyReleased(keyIndex, code, translator_.capsLockOn());
        return true;
    }
    default:
        return false;
    }
}

void KeyMapPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.translate(origin());
    const QColor edge(90, 90, 90);
    for (int pass = 0; pass < 2; ++pass) {
        const bool black = pass == 1;
        for (int i = 0; i < NoteTable::kKeyCount; ++i) {
            if (NoteTable::isBlackKey(i) != black) continue;
            const QRect key = KeyPictureLayout::keyRect(i).adjusted(0, 0, -1, -1);
            painter.setPen(edge);
            painter.setBrush(black ? QColor(25, 25, 25) : QColor(Qt::white));
            painter.drawRect(key);
        }
    }
}
