#include "library/frmOpenURL.h"

#include "library/FileCommands.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

frmOpenURL::frmOpenURL(FileCommands& commands, FileDialogs& dialogs, QWidget* owner)
    : QDialog(owner), commands_(commands), dialogs_(dialogs) {
    setWindowTitle(QStringLiteral("打开 URL"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (owner) setWindowIcon(owner->windowIcon());

    imgIconTip = new QLabel(this);
    imgIconTip->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    lblTip = new QLabel(QStringLiteral("输入 Internet、计算机或网络上您要播放的媒体文件的 URL 或路径。"), this);
    lblTip->setWordWrap(true);
    auto* lblOpen = new QLabel(QStringLiteral("打开(&O):"), this);
    cmbURL = new QComboBox(this);
    cmbURL->setEditable(true);
    cmbURL->setInsertPolicy(QComboBox::NoInsert);
    cmbURL->setMinimumWidth(320);
    lblOpen->setBuddy(cmbURL);
    btnOk = new QPushButton(QStringLiteral("确定"), this);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnBrowse = new QPushButton(QStringLiteral("浏览(&B)..."), this);
    btnOk->setEnabled(false);
    btnOk->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    auto* tip = new QHBoxLayout;
    tip->addWidget(imgIconTip, 0, Qt::AlignTop);
    tip->addWidget(lblTip, 1);
    layout->addLayout(tip);
    auto* field = new QHBoxLayout;
    field->addWidget(lblOpen);
    field->addWidget(cmbURL, 1);
    layout->addLayout(field);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnBrowse);
    layout->addLayout(buttons);

    // Any edit or pick enables OK; the text itself is examined only by the opening.
    connect(cmbURL, &QComboBox::editTextChanged, btnOk, [this] { btnOk->setEnabled(true); });
    connect(cmbURL, &QComboBox::activated, btnOk, [this] { btnOk->setEnabled(true); });
    connect(btnOk, &QPushButton::clicked, this, &frmOpenURL::confirm);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnBrowse, &QPushButton::clicked, this, &frmOpenURL::browse);
}

void frmOpenURL::Start(FileCommands& commands, FileDialogs& dialogs, const QStringList& history,
                       QWidget* owner) {
    frmOpenURL dialog(commands, dialogs, owner);
    dialog.setHistory(history);
    dialog.exec();
    if (owner) owner->activateWindow();
}

void frmOpenURL::setHistory(const QStringList& history) {
    const QSignalBlocker quiet(cmbURL);
    cmbURL->clear();
    cmbURL->addItems(history);
    cmbURL->setCurrentIndex(-1);
    cmbURL->setEditText(QString());
}

void frmOpenURL::browse() {
    const QStringList chosen = dialogs_.getOpenFileNames(
        QStringLiteral("打开..."),
        QStringLiteral("Qor_Tonvale乐谱文件(*.piano)|*.piano|播放列表 (*.plist)|*.plist|所有文件 (*.*)|*.*"),
        false);
    if (chosen.isEmpty()) return;
    cmbURL->setEditText(chosen.first());
    btnOk->setFocus();
}

void frmOpenURL::confirm() {
    // The dialog goes first, so that a message about the text is not hidden behind it.
    accept();
    commands_.openLocation(cmbURL->currentText());
}
