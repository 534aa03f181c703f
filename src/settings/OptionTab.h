#pragma once
// One page tab of the options dialog: a picture box that draws its page name with a raised edge,
// or a sunken one for the page shown.
#include <QWidget>

class OptionTab : public QWidget {
    Q_OBJECT
public:
    // Edge styles of DrawKeyEdge.
    static constexpr int kEdgeRaised = 4;
    static constexpr int kEdgeSunken = 2;

    explicit OptionTab(const QString& tag, QWidget* parent = nullptr);

    QString Tag() const { return tag_; }
    int edgeStyle() const { return edgeStyle_; }
    void DrawKeyEdge(const QString& caption, int edgeStyle);
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString tag_;
    QString caption_;
    int edgeStyle_ = kEdgeRaised;
};
