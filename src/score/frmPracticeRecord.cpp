#include "score/frmPracticeRecord.h"

#include "score/PracticeChart.h"
#include "score/PracticeRecord.h"
#include "score/PracticeRunText.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

frmPracticeRecord::frmPracticeRecord(PracticeRecord& record, const QString& scorePath,
                                     QWidget* owner)
    : QDialog(owner), record_(record), scorePath_(scorePath) {
    setWindowTitle(QStringLiteral("练习记录"));
    if (owner) setWindowIcon(owner->windowIcon());
    auto* layout = new QVBoxLayout(this);
    lblNote = new QLabel(this);
    lblNote->setTextFormat(Qt::PlainText);
    lblNote->setWordWrap(true);
    layout->addWidget(lblNote);
    chart = new PracticeChart(this);
    layout->addWidget(chart);
    table = new QTableWidget(0, 9, this);
    table->setHorizontalHeaderLabels(
        {QStringLiteral("时间"), QStringLiteral("方式"), QStringLiteral("速度"),
         QStringLiteral("段落"), QStringLiteral("首次弹对"), QStringLiteral("弹错"),
         QStringLiteral("漏弹"), QStringLiteral("时间误差"), QStringLiteral("最长连对")});
    table->setAccessibleName(QStringLiteral("练习记录"));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    layout->addWidget(table, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(820, 480);
    connect(&record_, &PracticeRecord::runAdded, this, [this](const QString& scoreKey) {
        if (scoreKey == PracticeRecord::scoreKey(scorePath_)) showRuns();
    });
    showRuns();
}

void frmPracticeRecord::Start(PracticeRecord& record, const QString& scorePath, QWidget* owner) {
    frmPracticeRecord dialog(record, scorePath, owner);
    dialog.exec();
}

void frmPracticeRecord::showRuns() {
    const QList<PracticeRun> runs = record_.runs(scorePath_);
    if (scorePath_.isEmpty())
        lblNote->setText(QStringLiteral("没有载入乐谱。"));
    else if (runs.isEmpty())
        lblNote->setText(QStringLiteral("这首乐谱还没有练习记录。"));
    else
        lblNote->setText(QStringLiteral("%1：共 %2 次练习，最新的在最上面")
                             .arg(QFileInfo(scorePath_).fileName())
                             .arg(runs.size()));
    chart->setVisible(!runs.isEmpty());
    table->setVisible(!runs.isEmpty());
    QList<double> percents;
    table->setRowCount(int(runs.size()));
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const PracticeRun& run = runs[i];
        percents.append(run.rightFirstTimePercent());
        const QStringList cells{
            PracticeRunText::finished(run),       PracticeRunText::way(run),
            PracticeRunText::speed(run),          PracticeRunText::passage(run),
            PracticeRunText::rightFirstTime(run), QString::number(run.wrongStrikes),
            QString::number(run.missed),          PracticeRunText::timing(run),
            QString::number(run.longestRightRun)};
        const int row = int(runs.size() - 1 - i);
        for (int column = 0; column < cells.size(); ++column)
            table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    table->resizeColumnsToContents();
    chart->setPercents(std::move(percents));
}
