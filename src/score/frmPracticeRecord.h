#pragma once
// View ▸ 练习记录: the runs of the playing score, newest first, under a chart of the share right
// first time. A run that ends while it is open (practice in time goes on behind it) is added.
#include <QDialog>

class PracticeChart;
class PracticeRecord;
class QLabel;
class QTableWidget;

class frmPracticeRecord : public QDialog {
    Q_OBJECT
public:
    // `scorePath` is "" when no score is loaded.
    frmPracticeRecord(PracticeRecord& record, const QString& scorePath, QWidget* owner);

    // Shows the dialog modally over `owner`.
    static void Start(PracticeRecord& record, const QString& scorePath, QWidget* owner);

    QLabel* lblNote = nullptr;
    PracticeChart* chart = nullptr;
    QTableWidget* table = nullptr;

private:
    void showRuns();

    PracticeRecord& record_;
    QString scorePath_;
};
