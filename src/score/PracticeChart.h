#pragma once
// A small chart of the share of notes right first time, run after run, the oldest at the left.
#include <QList>
#include <QWidget>

class PracticeChart : public QWidget {
    Q_OBJECT
public:
    explicit PracticeChart(QWidget* parent = nullptr);

    // Percentages 0 to 100, oldest first.
    void setPercents(QList<double> percents);
    const QList<double>& percents() const { return percents_; }

    QSize sizeHint() const override { return {480, 140}; }
    QSize minimumSizeHint() const override { return {160, 80}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<double> percents_;
};
