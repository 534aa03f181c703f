#pragma once
// The volume slider: a wedge that fills with the volume and a draggable thumb whose position,
// 0..930, is the volume. Pointer positions are in its inner units, 1005 by 315 whatever its size.
// With ControlSystemVolume set, every change is passed on to the system's speaker level.
#include "controls/CustomControl.h"
#include "controls/VolumeModel.h"

#include <QColor>
#include <QPixmap>

class SystemVolume;

class Volume : public CustomControl {
    Q_OBJECT
public:
    explicit Volume(QWidget* parent = nullptr);

    int volume() const { return model_.Volume(); }
    // Clamped to 0..930; raises "Change" once.
    void setVolume(int volume);

    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    // The wedge up to the thumb.
    QColor LeftColor() const { return leftColor_; }
    void setLeftColor(const QColor& colour);
    // The rest of the wedge.
    QColor RightColor() const { return rightColor_; }
    void setRightColor(const QColor& colour);
    // The wedge's outline.
    QColor CircumColor() const { return circumColor_; }
    void setCircumColor(const QColor& colour);
    // The thumb: drawn unless a picture is given.
    QPixmap Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);

    bool ControlSystemVolume() const { return controlSystemVolume_; }
    void setControlSystemVolume(bool on) { controlSystemVolume_ = on; }
    // Where the changes go while ControlSystemVolume is set; not owned, may be null.
    void setSystemVolume(SystemVolume* systemVolume) { systemVolume_ = systemVolume; }

    QSize sizeHint() const override;

signals:
    void Change();

protected:
    QPointF toUnits(const QPointF& pixels) const override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void changed();
    QRectF handleRect() const;
    void paintWedge(QPainter& painter, double fillTo);

    VolumeModel model_;
    QColor backColor_;
    QColor leftColor_{0, 0, 255};
    QColor rightColor_{196, 196, 201};
    QColor circumColor_{196, 171, 201};
    QPixmap picture_;
    bool controlSystemVolume_ = false;
    SystemVolume* systemVolume_ = nullptr;
};
