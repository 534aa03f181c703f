#pragma once
// The skinned push button: three looks (normal, hover, pressed) drawn in a plain 3-D style or from
// skin pictures, a caption or a drawn symbol, and the two-state style whose `Value` 0 keeps it
// pressed. The transport buttons, the mute button and the dialogs' buttons. Pointer positions in
// its events are in twips.
#include "controls/ButtonExState.h"
#include "controls/ButtonSymbol.h"
#include "controls/CustomControl.h"

#include <QColor>
#include <QPixmap>
#include <QTimer>
#include <array>

class ButtonEx : public CustomControl {
    Q_OBJECT
public:
    // Appearance 2 draws the skins when SkinUp is set; 0 is a flat, 1 a raised 3-D button.
    static constexpr int kFlatAppearance = 0;
    static constexpr int kSkinAppearance = 2;
    static constexpr int kHoverPollMs = 50;

    explicit ButtonEx(QWidget* parent = nullptr);

    int Appearance() const { return appearance_; }
    void setAppearance(int appearance);
    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    // "&" marks the access key, which clicks the button.
    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    // Shift of the caption from the centre, in pixels.
    int CaptionOffsetX() const { return captionOffset_.x(); }
    void setCaptionOffsetX(int pixels);
    int CaptionOffsetY() const { return captionOffset_.y(); }
    void setCaptionOffsetY(int pixels);
    QColor ForeColor() const { return foreColor_; }
    void setForeColor(const QColor& colour);
    // The caption's colour while hovered or pressed.
    QColor HighlightColor() const { return highlightColor_; }
    void setHighlightColor(const QColor& colour);
    bool RightToLeft() const { return rightToLeft_; }
    void setRightToLeft(bool on);
    // 0 push button; 1 two-state button whose look follows `Value`.
    int Style() const { return state_.Style(); }
    void setStyle(int style);
    // For the two-state style: 0 shows the pressed look.
    int Value() const { return state_.Value(); }
    void setValue(int value);
    // Drawn before the caption, or alone when the caption is empty. A Speaker on a two-state
    // button shows itself muted while `Value` is 0.
    ButtonSymbol Symbol() const { return symbol_; }
    void setSymbol(ButtonSymbol symbol);

    QPixmap SkinUp() const { return skins_[Up]; }
    void setSkinUp(const QPixmap& skin) { setSkin(Up, skin); }
    QPixmap SkinOver() const { return skins_[Over]; }
    void setSkinOver(const QPixmap& skin) { setSkin(Over, skin); }
    QPixmap SkinDown() const { return skins_[Down]; }
    void setSkinDown(const QPixmap& skin) { setSkin(Down, skin); }
    QPixmap SkinFocus() const { return skins_[Focus]; }
    void setSkinFocus(const QPixmap& skin) { setSkin(Focus, skin); }
    QPixmap SkinDisabled() const { return skins_[Disabled]; }
    void setSkinDisabled(const QPixmap& skin) { setSkin(Disabled, skin); }
    // The colour of the skin pictures that is left out.
    QColor TransparentColor() const { return transparentColor_; }
    void setTransparentColor(const QColor& colour);

    ButtonLook look() const { return state_.look(); }
    // The colour the caption is drawn in now.
    QColor captionColour() const;
    QSize sizeHint() const override;

signals:
    void MouseEnter();
    void MouseExit();
    void Resize();

protected:
    QPointF toUnits(const QPointF& pixels) const override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void hoverTick();

private:
    enum SkinRole { Up, Over, Down, Focus, Disabled, SkinCount };
    void setSkin(SkinRole role, const QPixmap& skin);
    const QPixmap& currentSkin() const;
    void endHover();
    void paintFace(QPainter& painter);
    void paintContent(QPainter& painter);

    ButtonExState state_;
    QTimer Timer1;
    int appearance_ = kSkinAppearance;
    QColor backColor_;
    QString caption_ = QStringLiteral("ButtonEx1");
    QPoint captionOffset_;
    QColor foreColor_;
    QColor highlightColor_;
    bool rightToLeft_ = false;
    ButtonSymbol symbol_ = ButtonSymbol::None;
    std::array<QPixmap, SkinCount> skins_;
    QColor transparentColor_{0, 0, 255};
    int shortcutId_ = 0;
};
