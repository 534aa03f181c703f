#pragma once
// Printing through Qt's print preview and the system's print dialog behind it.
#include "exchange/PrintDialogs.h"

#include <QPointer>
#include <QWidget>

class QtPrintDialogs : public PrintDialogs {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void preview(PrintOptions& options, const PagePainter& paint) override;
    bool askPdfOptions(PrintOptions& options) override;

private:
    QPointer<QWidget> owner_;
};
