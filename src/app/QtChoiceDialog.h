#pragma once
// The list question as a dialog over the main window.
#include "platform/ChoiceDialog.h"

class QWidget;

class QtChoiceDialog : public ChoiceDialog {
public:
    explicit QtChoiceDialog(QWidget* owner) : owner_(owner) {}
    int choose(const QString& title, const QString& prompt, const QStringList& items,
               int preselected) override;

private:
    QWidget* owner_;
};
