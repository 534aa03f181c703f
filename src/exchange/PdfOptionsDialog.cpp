#include "exchange/PdfOptionsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>

namespace {
const QPageSize::PageSizeId kPapers[] = {QPageSize::A4, QPageSize::A3,     QPageSize::A5,
                                         QPageSize::B5, QPageSize::Letter, QPageSize::Legal};
} // namespace

PdfOptionsDialog::PdfOptionsDialog(const PrintOptions& options, QWidget* parent)
    : QDialog(parent), given_(options), paper_(new QComboBox(this)),
      orientation_(new QComboBox(this)),
      keyNames_(new QCheckBox(QStringLiteral("打印电脑按键"), this)) {
    setWindowTitle(QStringLiteral("导出为 PDF"));
    for (QPageSize::PageSizeId id : kPapers)
        paper_->addItem(QPageSize::name(id), int(id));
    // A paper the list lacks (chosen in a print dialog) is offered as it is.
    const QPageSize::PageSizeId current = options.pageLayout.pageSize().id();
    if (paper_->findData(int(current)) < 0)
        paper_->addItem(options.pageLayout.pageSize().name(), int(current));
    paper_->setCurrentIndex(paper_->findData(int(current)));
    orientation_->addItem(QStringLiteral("纵向"), int(QPageLayout::Portrait));
    orientation_->addItem(QStringLiteral("横向"), int(QPageLayout::Landscape));
    orientation_->setCurrentIndex(orientation_->findData(int(options.pageLayout.orientation())));
    keyNames_->setChecked(options.keyNames);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("纸张："), paper_);
    form->addRow(QStringLiteral("方向："), orientation_);
    form->addRow(keyNames_);
    form->addRow(buttons);
}

PrintOptions PdfOptionsDialog::options() const {
    PrintOptions chosen = given_;
    const auto paper = QPageSize::PageSizeId(paper_->currentData().toInt());
    // A custom paper can only be the one given.
    if (paper != QPageSize::Custom) chosen.pageLayout.setPageSize(QPageSize(paper));
    chosen.pageLayout.setOrientation(QPageLayout::Orientation(orientation_->currentData().toInt()));
    chosen.keyNames = keyNames_->isChecked();
    return chosen;
}
