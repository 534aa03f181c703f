#include "score/frmRecordSetting.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace {
constexpr int kBackspace = 8;
constexpr int kEnter = 13;
constexpr int kEscape = 27;
constexpr int kDelete = 127;
const QString kRhythmCharacters = QStringLiteral("0123456789/");
const QString kVelocityCharacters = QStringLiteral("0123456789.");

QLineEdit* textField(const QString& text, QWidget* parent) {
    auto* field = new QLineEdit(text, parent);
    // Only typed keys pass the character check; an input method would go around it.
    field->setAttribute(Qt::WA_InputMethodEnabled, false);
    return field;
}
} // namespace

frmRecordSetting::frmRecordSetting(Recorder& recorder, SoundSettings& sound, QWidget* owner)
    : QDialog(owner), recorder_(recorder), sound_(sound) {
    setWindowTitle(QStringLiteral("录制设置..."));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (owner) setWindowIcon(owner->windowIcon());

    ComSounds = new QComboBox(this);
    ComSounds->setMaxVisibleItems(20);
    ComSounds->addItems(sound_.instrumentNames().mid(0, kInstrumentCount));
    const int current = sound_.instrumentIndex();
    if (current >= 0 && current < kInstrumentCount) {
        ComSounds->setCurrentIndex(current);
    } else {
        // An instrument past the list stays the recording's instrument until the user picks
        // another; its name shows in the empty selection.
        ComSounds->setCurrentIndex(-1);
        ComSounds->setPlaceholderText(sound_.instrumentNames().value(current));
    }
    HScrollYindiao = new QScrollBar(Qt::Horizontal, this);
    HScrollYindiao->setRange(0, SoundSettings::kMaxPitchShift);
    HScrollYindiao->setPageStep(1);
    lblYindiao = new QLabel(this);
    lblYindiao->setMinimumWidth(30);
    txtRhythm = textField(QStringLiteral("3/4"), this);
    txtVelocity = textField(QStringLiteral("60"), this);
    lblDescription[0] = new QLabel(QStringLiteral("(乐谱拍子，如3/4)"), this);
    lblDescription[1] = new QLabel(QStringLiteral("(每分钟多少拍)"), this);
    btnOk = new QPushButton(QStringLiteral("确定"), this);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnOk->setEnabled(false);
    btnOk->setDefault(true);

    auto* grid = new QGridLayout(this);
    const QStringList labels = {QStringLiteral("乐器∶"), QStringLiteral("音调∶"),
                                QStringLiteral("节拍∶"), QStringLiteral("速度∶")};
    for (int row = 0; row < labels.size(); ++row) {
        auto* label = new QLabel(labels[row], this);
        label->setObjectName(QStringLiteral("Label%1").arg(row));
        grid->addWidget(label, row, 0);
    }
    grid->addWidget(ComSounds, 0, 1, 1, 2);
    grid->addWidget(HScrollYindiao, 1, 1);
    grid->addWidget(lblYindiao, 1, 2);
    grid->addWidget(txtRhythm, 2, 1);
    grid->addWidget(lblDescription[0], 2, 2);
    grid->addWidget(txtVelocity, 3, 1);
    grid->addWidget(lblDescription[1], 3, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    grid->addLayout(buttons, 4, 0, 1, 3);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(HScrollYindiao, &QScrollBar::valueChanged, this,
            [this](int value) { lblYindiao->setText(PitchName(value)); });
    HScrollYindiao->setValue(sound_.intYindiao());
    lblYindiao->setText(PitchName(HScrollYindiao->value()));

    // The settings above were made while loading, before the dialog shows: they do not count.
    connect(ComSounds, &QComboBox::currentIndexChanged, this,
            &frmRecordSetting::enableOkWhenVisible);
    connect(HScrollYindiao, &QScrollBar::valueChanged, this,
            &frmRecordSetting::enableOkWhenVisible);
    txtRhythm->installEventFilter(this);
    txtVelocity->installEventFilter(this);
    connect(btnOk, &QPushButton::clicked, this, &frmRecordSetting::accept);
    connect(btnCancel, &QPushButton::clicked, this, &frmRecordSetting::reject);
}

void frmRecordSetting::Start(Recorder& recorder, SoundSettings& sound, QWidget* owner) {
    recorder.StartRecording();
    frmRecordSetting dialog(recorder, sound, owner);
    dialog.exec();
}

int frmRecordSetting::TestText(int keyAscii, const QString& allowed, bool allowBackspace) {
    if (keyAscii == kBackspace) return allowBackspace ? keyAscii : 0;
    if (keyAscii <= 0 || keyAscii > 0xFFFF) return 0;
    const QString typed = QString(QChar(static_cast<char16_t>(keyAscii))).toUpper();
    return allowed.toUpper().contains(typed) ? keyAscii : 0;
}

void frmRecordSetting::enableOkWhenVisible() {
    if (isVisible()) btnOk->setEnabled(true);
}

bool frmRecordSetting::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || (watched != txtRhythm && watched != txtVelocity))
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const int code = key->key() == Qt::Key_Backspace ? kBackspace
                     : key->text().isEmpty()         ? 0
                                                     : key->text().at(0).unicode();
    // Enter and Esc belong to the dialog's buttons, and keys that type nothing (arrows, Home)
    // only move the cursor; none of them counts as a change.
    if (code == 0 || code == kEnter || code == kEscape) return false;
    enableOkWhenVisible();
    if (code == kDelete) return false;
    const QString& allowed = watched == txtRhythm ? kRhythmCharacters : kVelocityCharacters;
    if (TestText(code, allowed, true) != 0) return false;
    QApplication::beep();
    return true;
}

void frmRecordSetting::accept() {
    // An instrument past the dialog's list that the user left alone stays the recording's.
    const int instrument =
        ComSounds->currentIndex() >= 0 ? ComSounds->currentIndex() : sound_.instrumentIndex();
    sound_.selectInstrument(instrument);
    sound_.setPitchShift(HScrollYindiao->value());
    recorder_.BeginRecording(
        {std::max(instrument, 0), lblYindiao->text(), txtRhythm->text(), txtVelocity->text()});
    QDialog::accept();
}
