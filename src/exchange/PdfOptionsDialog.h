#pragma once
// The options of a PDF: the paper, its orientation and "打印电脑按键".
#include "exchange/PrintOptions.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

class PdfOptionsDialog : public QDialog {
    Q_OBJECT
public:
    PdfOptionsDialog(const PrintOptions& options, QWidget* parent);

    // The options as now chosen; the margins stay those given.
    PrintOptions options() const;

private:
    PrintOptions given_;
    QComboBox* paper_;
    QComboBox* orientation_;
    QCheckBox* keyNames_;
};
