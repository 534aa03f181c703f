#include "exchange/QtPrintDialogs.h"

#include "exchange/PdfOptionsDialog.h"

#include <QCheckBox>
#include <QLayout>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

void QtPrintDialogs::preview(PrintOptions& options, const PagePainter& paint) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(options.pageLayout);
    QPrintPreviewDialog dialog(&printer, owner_);
    dialog.setWindowTitle(QStringLiteral("打印"));
    // The check box sits below the preview, which shows the pages anew when it changes.
    auto* keyNames = new QCheckBox(QStringLiteral("打印电脑按键"), &dialog);
    keyNames->setChecked(options.keyNames);
    dialog.layout()->addWidget(keyNames);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* device) { paint(*device, keyNames->isChecked()); });
    QObject::connect(keyNames, &QCheckBox::toggled, &dialog, [&dialog] {
        if (auto* pages = dialog.findChild<QPrintPreviewWidget*>()) pages->updatePreview();
    });
    dialog.exec();
    options.keyNames = keyNames->isChecked();
    options.pageLayout = printer.pageLayout();
}

bool QtPrintDialogs::askPdfOptions(PrintOptions& options) {
    PdfOptionsDialog dialog(options, owner_);
    if (dialog.exec() != QDialog::Accepted) return false;
    options = dialog.options();
    return true;
}
