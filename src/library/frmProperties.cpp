#include "library/frmProperties.h"

#include "score/PracticeRunText.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

namespace {
// Enough to show what to fix first without growing the dialog past the screen.
constexpr int kMaxFindingLines = 20;
} // namespace

frmProperties::frmProperties(const FileProperties& p, QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("属性"));
    if (owner) setWindowIcon(owner->windowIcon());
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);
    addRow(QStringLiteral("位置："), p.path);
    addRow(QStringLiteral("大小："), FileProperties::sizeText(p.size));
    addRow(QStringLiteral("修改时间："),
           QLocale::c().toString(p.modified, QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    if (p.isScore) {
        for (const QString& line : p.scoreInfo.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
            const qsizetype colon = line.indexOf(u'：');
            if (colon > 0) addRow(line.left(colon + 1), line.mid(colon + 1));
        }
        addRow(QStringLiteral("行 数："),
               p.rowCount >= 0 ? QString::number(p.rowCount) : QStringLiteral("无法读取"));
        if (p.rowCount >= 0) {
            addRow(QStringLiteral("估计时间："), p.estimatedTime);
            addRow(QStringLiteral("检 查："),
                   FileProperties::findingsText(p.findings, kMaxFindingLines));
        }
        if (p.bestPractice)
            addRow(QStringLiteral("最好成绩："), PracticeRunText::summary(*p.bestPractice));
        if (p.lastPractice)
            addRow(QStringLiteral("最近练习："), PracticeRunText::summary(*p.lastPractice));
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void frmProperties::Start(const FileProperties& properties, QWidget* owner) {
    frmProperties dialog(properties, owner);
    dialog.exec();
}

void frmProperties::addRow(const QString& label, const QString& value) {
    auto* field = new QLabel(value, this);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    field->setTextFormat(Qt::PlainText);
    form_->addRow(label, field);
}

QString frmProperties::value(const QString& label) const {
    for (int row = 0; row < form_->rowCount(); ++row) {
        const auto* name =
            qobject_cast<QLabel*>(form_->itemAt(row, QFormLayout::LabelRole)->widget());
        const auto* field =
            qobject_cast<QLabel*>(form_->itemAt(row, QFormLayout::FieldRole)->widget());
        if (name && field && name->text() == label) return field->text();
    }
    return {};
}
