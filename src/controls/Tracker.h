#pragma once
// The track bar: a bar in two colours with a draggable thumb, the played part left of the thumb.
// The progress bar of the main window and the transparency slider of the options dialog.
// Lengths and pointer positions are in twips, like the window design (15 to a logical pixel).
#include "controls/CustomControl.h"
#include "controls/TrackerModel.h"

#include <QColor>
#include <QPixmap>

class Tracker : public CustomControl {
    Q_OBJECT
public:
    static constexpr int kDefaultBarHeight = 135;
    static constexpr int kDefaultThumbWidth = 150;

    explicit Tracker(QWidget* parent = nullptr);

    int Value() const { return model_.Value(); }
    // Clamped to 0..Max; raises "Change" once.
    void setValue(int value);
    int Max() const { return model_.Max(); }
    // Negative counts as 0; the value is clamped to the new range and "Change" raised once.
    void setMax(int max);

    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    QColor LeftColor() const { return left_.colour; }
    void setLeftColor(const QColor& colour);
    QColor RightColor() const { return right_.colour; }
    void setRightColor(const QColor& colour);
    // 1 sunken 3-D look, 0 flat.
    int LeftAppearance() const { return left_.appearance; }
    void setLeftAppearance(int appearance);
    int RightAppearance() const { return right_.appearance; }
    void setRightAppearance(int appearance);
    // 1 single border, 0 none.
    int LeftBorderStyle() const { return left_.borderStyle; }
    void setLeftBorderStyle(int style);
    int RightBorderStyle() const { return right_.borderStyle; }
    void setRightBorderStyle(int style);
    // 1 opaque, 0 transparent.
    int LeftBackStyle() const { return left_.backStyle; }
    void setLeftBackStyle(int style);
    int RightBackStyle() const { return right_.backStyle; }
    void setRightBackStyle(int style);
    // Bar heights in twips; each bar is centred vertically.
    int LeftHeight() const { return left_.height; }
    void setLeftHeight(int twips);
    int RightHeight() const { return right_.height; }
    void setRightHeight(int twips);
    // The thumb: drawn unless a picture is given; its width in twips.
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    int ThumbWidth() const { return thumbWidth_; }
    void setThumbWidth(int twips);

    // The thumb's left edge in twips.
    double thumbLeft() const { return model_.thumbLeft(); }
    QSize sizeHint() const override;

signals:
    void Change();
    void Resize();

protected:
    QPointF toUnits(const QPointF& pixels) const override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Bar {
        QColor colour;
        int appearance = 1;
        int borderStyle = 1;
        int backStyle = 1;
        int height = kDefaultBarHeight;
    };
    void paintBar(QPainter& painter, const Bar& bar, double width);
    void layoutThumb();

    TrackerModel model_;
    QColor backColor_;
    Bar left_;
    Bar right_;
    QPixmap picture_;
    int thumbWidth_ = kDefaultThumbWidth;
};
