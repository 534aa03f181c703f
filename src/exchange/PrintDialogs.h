#pragma once
// The dialogs of printing as the print commands see them: the print preview, behind whose print
// button lies the system's print dialog, and the options of a PDF.
#include "exchange/PrintOptions.h"

#include <functional>

class QPagedPaintDevice;

class PrintDialogs {
public:
    // Draws every page on a device, with or without the computer keys; false when the device
    // failed.
    using PagePainter = std::function<bool(QPagedPaintDevice& device, bool withKeys)>;

    virtual ~PrintDialogs() = default;
    // Shows the pages as `paint` draws them on the paper of `options`, with a check box
    // "打印电脑按键"; printing goes through the system's print dialog, where the paper may change.
    // `options` comes back as last chosen.
    virtual void preview(PrintOptions& options, const PagePainter& paint) = 0;
    // Asks for the paper, its orientation and "打印电脑按键", starting from `options`; false when
    // the person cancels.
    virtual bool askPdfOptions(PrintOptions& options) = 0;
};
