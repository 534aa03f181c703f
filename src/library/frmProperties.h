#pragma once
// The properties of a list entry's file: full path, size and modification time, and for a score
// its header rows, row count, estimated playing time, check and practice results.
#include "library/FileProperties.h"

#include <QDialog>

class QFormLayout;

class frmProperties : public QDialog {
    Q_OBJECT
public:
    frmProperties(const FileProperties& properties, QWidget* owner);

    // Shows the dialog modally over `owner`.
    static void Start(const FileProperties& properties, QWidget* owner);

    // The value shown beside `label` ("位置：", "大小：" ...), "" when there is no such row.
    QString value(const QString& label) const;

private:
    void addRow(const QString& label, const QString& value);

    QFormLayout* form_ = nullptr;
};
