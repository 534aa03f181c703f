#include "score/frmGoTo.h"

#include "core/NumberText.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

frmGoTo::frmGoTo(PlaybackEngine& engine, Transport& transport, MessageSink& messages, QWidget* owner)
    : QDialog(owner), engine_(engine), transport_(transport), messages_(messages) {
    setWindowTitle(QStringLiteral("转到..."));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (owner) setWindowIcon(owner->windowIcon());

    Label1 = new QLabel(QStringLiteral("请输入要转到的行号："), this);
    txtRowNumber = new QLineEdit(QString::number(qint64(engine_.lngCurrentRow()) + 1), this);
    // Digits only, typed or pasted; an input method would go around the check.
    txtRowNumber->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), txtRowNumber));
    txtRowNumber->setAttribute(Qt::WA_InputMethodEnabled, false);
    lblRowCount = new QLabel(QStringLiteral("(0 - %1)").arg(engine_.lngTotalRow()), this);
    btnOk = new QPushButton(QStringLiteral("确定"), this);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnOk->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    auto* field = new QHBoxLayout;
    field->addWidget(txtRowNumber, 1);
    field->addWidget(lblRowCount);
    layout->addLayout(field);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);

    tmrSetFocus.setSingleShot(true);
    tmrSetFocus.setInterval(0);
    connect(&tmrSetFocus, &QTimer::timeout, this, &frmGoTo::selectAndFocus);
    connect(btnOk, &QPushButton::clicked, this, &frmGoTo::confirm);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmGoTo::Start(PlaybackEngine& engine, Transport& transport, MessageSink& messages,
                    QWidget* owner) {
    frmGoTo dialog(engine, transport, messages, owner);
    dialog.exec();
}

void frmGoTo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    tmrSetFocus.start();
}

void frmGoTo::selectAndFocus() {
    txtRowNumber->selectAll();
    txtRowNumber->setFocus();
}

void frmGoTo::confirm() {
    const double number = NumberText::leadingNumber(txtRowNumber->text());
    if (number > engine_.lngTotalRow()) {
        messages_.show({QStringLiteral("错误：超出了当前乐谱的范围！"),
                        QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok});
        selectAndFocus();
        return;
    }
    engine_.setLngCurrentRow(NumberText::roundToInt32(number));
    transport_.clickButton(Transport::PlayButton);
    accept();
}
