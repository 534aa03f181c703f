// The controls paint at 1x and 2x, their colours land where their roles say, and one sheet shows
// every control in its looks. Set TONVALE_CONTROL_SHEET to a file name to keep the sheet.
#include "controls/ButtonEx.h"
#include "controls/Tracker.h"
#include "controls/Volume.h"

#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QColor kBarColour(195, 210, 235);

QImage renderAt(QWidget& widget, qreal ratio) {
    QImage image(widget.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(kBarColour);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

QColor at(const QImage& image, double x, double y) {
    const qreal r = image.devicePixelRatio();
    return image.pixelColor(int(x * r), int(y * r));
}

bool bluish(const QColor& c) { return c.blue() > 150 && c.red() < 120 && c.green() < 120; }

int bluishPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += bluish(image.pixelColor(x, y));
    return count;
}

struct RenderTest : testing::TestWithParam<qreal> {};

TEST_P(RenderTest, TheTrackBarShowsThePlayedPartLeftOfTheThumb) {
    Tracker bar;
    bar.resize(100, 20);
    bar.show();
    bar.setMax(100);
    bar.setValue(50);
    const QImage image = renderAt(bar, GetParam());
    EXPECT_TRUE(bluish(at(image, 20, 10)));
    EXPECT_GT(at(image, 80, 10).lightness(), 220);
    bar.setValue(0);
    EXPECT_EQ(bluishPixels(renderAt(bar, GetParam())), 0); // no left bar at all
    bar.setEnabled(false);
    bar.setValue(100);
    EXPECT_FALSE(bluish(at(renderAt(bar, GetParam()), 20, 10))); // greyed
}

TEST_P(RenderTest, TheVolumeWedgeFillsWithTheVolume) {
    Volume slider;
    slider.resize(73, 21);
    slider.show();
    QList<int> filled;
    for (int volume : {0, 300, 600, 930}) {
        slider.setVolume(volume);
        filled.append(bluishPixels(renderAt(slider, GetParam())));
    }
    EXPECT_LT(filled[0], filled[1]);
    EXPECT_LT(filled[1], filled[2]);
    EXPECT_LT(filled[2], filled[3]);
}

TEST_P(RenderTest, EverySymbolDrawsItsOwnShape) {
    const ButtonSymbol symbols[] = {ButtonSymbol::Play, ButtonSymbol::Pause, ButtonSymbol::Stop,
                                    ButtonSymbol::First, ButtonSymbol::Previous, ButtonSymbol::Next,
                                    ButtonSymbol::Last, ButtonSymbol::Speaker};
    ButtonEx button;
    button.resize(24, 22);
    button.setCaption(QString());
    button.show();
    const QImage blank = renderAt(button, GetParam());
    QList<QImage> seen;
    for (ButtonSymbol symbol : symbols) {
        button.setSymbol(symbol);
        const QImage image = renderAt(button, GetParam());
        EXPECT_NE(image, blank) << int(symbol);
        for (const QImage& other : seen) EXPECT_NE(image, other) << int(symbol);
        seen.append(image);
    }
    button.setStyle(1);
    button.setValue(0); // the muted speaker
    EXPECT_NE(renderAt(button, GetParam()), seen.last());
}

INSTANTIATE_TEST_SUITE_P(Ratios, RenderTest, testing::Values(1.0, 2.0));

// One sheet with every control in its looks.
class Sheet {
public:
    static constexpr int kWidth = 600;
    Sheet(int height, qreal ratio) : image_(QSize(kWidth, height) * ratio, QImage::Format_ARGB32_Premultiplied) {
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::white);
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing);
    }
    void heading(const QString& text) {
        y_ += 8;
        painter_.setPen(Qt::black);
        painter_.drawText(QPoint(8, y_ + 12), text);
        y_ += 18;
        x_ = 8;
    }
    // Shows `control` after `prepare` has put it in a look, on the control bar's colour; `finish`
    // ends that look (a held button is released).
    void put(QWidget& control, const QString& label, const std::function<void()>& prepare = {},
             const std::function<void()>& finish = {}) {
        control.show();
        control.clearFocus(); // a window of its own takes the focus when shown
        if (prepare) prepare();
        const QRect cell(x_, y_, control.width() + 8, control.height() + 22);
        painter_.fillRect(cell, kBarColour);
        control.render(&painter_, cell.topLeft() + QPoint(4, 4), QRegion(), QWidget::DrawChildren);
        if (finish) finish();
        // The controls are windows at one place; the pointer must find the next one, not this.
        control.hide();
        painter_.setPen(QColor(40, 40, 40));
        painter_.drawText(QRect(cell.left(), cell.bottom() - 16, std::max(cell.width(), 60), 16),
                          Qt::AlignLeft | Qt::AlignVCenter, label);
        x_ += std::max(cell.width(), 60) + 6;
        rowHeight_ = std::max(rowHeight_, cell.height());
    }
    void newRow() {
        y_ += rowHeight_ + 6;
        rowHeight_ = 0;
        x_ = 8;
    }
    bool save(const QString& path) {
        painter_.end();
        return image_.save(path);
    }

private:
    QImage image_;
    QPainter painter_;
    int x_ = 8, y_ = 0, rowHeight_ = 0;
};

// The first move into a freshly shown window only enters it, and activates it, which focuses
// a window that is a button.
void hover(QWidget& control, QPoint at) {
    QTest::mouseMove(&control, at - QPoint(1, 0));
    QTest::mouseMove(&control, at);
    control.clearFocus();
}

void putTrackers(Sheet& sheet) {
    sheet.heading("Tracker");
    const auto progress = [](Tracker& bar, int value) {
        bar.resize(130, 18);
        bar.setBackColor(kBarColour);
        bar.setMax(100);
        bar.setValue(value);
    };
    Tracker empty, third, full, hovered, held, stopped, alpha;
    progress(empty, 0);
    progress(third, 35);
    progress(full, 100);
    progress(hovered, 60);
    progress(held, 60);
    progress(stopped, 0);
    sheet.put(empty, "0");
    sheet.put(third, "35%");
    sheet.put(full, "100%");
    sheet.newRow();
    sheet.put(hovered, "hover", [&] { hover(hovered, QPoint(90, 9)); });
    sheet.put(held, "dragging", [&] {
        QTest::mousePress(&held, Qt::LeftButton, {}, QPoint(70, 9));
        QTest::mouseMove(&held, QPoint(50, 9));
    }, [&] { QTest::mouseRelease(&held, Qt::LeftButton, {}, QPoint(50, 9)); });
    stopped.setRightColor(stopped.BackColor());
    stopped.setEnabled(false);
    sheet.put(stopped, "stopped (disabled)");
    sheet.newRow();
    alpha.resize(160, 20);
    alpha.setLeftHeight(105);
    alpha.setRightHeight(105);
    alpha.setMax(255);
    alpha.setValue(64);
    sheet.put(alpha, "alpha bar 105");
    Tracker flat;
    flat.resize(160, 20);
    flat.setLeftAppearance(0);
    flat.setRightAppearance(0);
    flat.setRightBorderStyle(0);
    flat.setLeftBorderStyle(0);
    flat.setMax(10);
    flat.setValue(7);
    sheet.put(flat, "flat, no border");
    sheet.newRow();
}

void putVolumes(Sheet& sheet) {
    sheet.heading("Volume");
    Volume sliders[5];
    const int volumes[] = {0, 260, 520, 930, 0};
    for (int i = 0; i < 5; ++i) {
        sliders[i].resize(73, 21);
        sliders[i].setBackColor(kBarColour);
        sliders[i].setCircumColor(Qt::white);
        sliders[i].setRightColor(QColor(140, 147, 227));
        sliders[i].setVolume(volumes[i]);
    }
    sliders[4].setEnabled(false);
    for (int i = 0; i < 4; ++i) sheet.put(sliders[i], QString::number(volumes[i]));
    sheet.put(sliders[4], "muted");
    Volume plain, large;
    plain.resize(73, 21);
    sheet.put(plain, "defaults");
    sheet.newRow();
    large.resize(146, 42);
    sheet.put(large, "2x size", [&] { hover(large, QPoint(140, 20)); });
    sheet.newRow();
}

void putButtons(Sheet& sheet) {
    sheet.heading("ButtonEx");
    const std::pair<ButtonSymbol, const char*> transport[] = {
        {ButtonSymbol::Play, "play"}, {ButtonSymbol::Pause, "pause"}, {ButtonSymbol::Stop, "stop"},
        {ButtonSymbol::First, "first"}, {ButtonSymbol::Previous, "prev"}, {ButtonSymbol::Next, "next"},
        {ButtonSymbol::Last, "last"}, {ButtonSymbol::Speaker, "mute"}};
    for (const auto& [symbol, name] : transport) {
        ButtonEx button;
        button.resize(26, 22);
        button.setCaption(QString());
        button.setSymbol(symbol);
        sheet.put(button, name);
    }
    sheet.newRow();
    ButtonEx playing, hovered, held, disabled, muted, sound;
    for (ButtonEx* b : {&playing, &hovered, &held, &disabled, &muted, &sound}) {
        b->resize(26, 22);
        b->setCaption(QString());
        b->setStyle(1);
    }
    playing.setSymbol(ButtonSymbol::Play);
    playing.setValue(0);
    sheet.put(playing, "Value 0");
    hovered.setSymbol(ButtonSymbol::Pause);
    sheet.put(hovered, "hover", [&] { hover(hovered, QPoint(12, 10)); });
    held.setSymbol(ButtonSymbol::Stop);
    held.setStyle(0);
    sheet.put(
        held, "held", [&] { QTest::mousePress(&held, Qt::LeftButton, {}, QPoint(12, 10)); },
        [&] { QTest::mouseRelease(&held, Qt::LeftButton, {}, QPoint(12, 10)); });
    disabled.setSymbol(ButtonSymbol::Next);
    disabled.setEnabled(false);
    sheet.put(disabled, "disabled");
    muted.setSymbol(ButtonSymbol::Speaker);
    muted.setValue(0);
    sheet.put(muted, "muted");
    sound.setSymbol(ButtonSymbol::Speaker);
    sheet.put(sound, "sound");
    sheet.newRow();

    ButtonEx ok, cancel, apply, flat, flatHover, both;
    for (ButtonEx* b : {&ok, &cancel, &apply, &flat, &flatHover, &both}) b->resize(76, 24);
    ok.setCaption("确定");
    cancel.setCaption("取消(&C)");
    cancel.setHighlightColor(QColor(0, 60, 200));
    apply.setCaption("应用(&A)");
    apply.setEnabled(false);
    flat.setCaption("Flat");
    flat.setAppearance(ButtonEx::kFlatAppearance);
    flatHover.setCaption("Flat hover");
    flatHover.setAppearance(ButtonEx::kFlatAppearance);
    both.setCaption("播放(&P)");
    both.setSymbol(ButtonSymbol::Play);
    sheet.put(ok, "caption");
    sheet.put(cancel, "hover", [&] { hover(cancel, QPoint(30, 10)); });
    sheet.put(apply, "disabled");
    sheet.put(flat, "flat");
    sheet.put(flatHover, "flat hover", [&] { hover(flatHover, QPoint(40, 12)); });
    sheet.put(both, "symbol+text");
    sheet.newRow();

    // A skin with blue corners, which the transparent colour leaves out.
    QPixmap skin(60, 24);
    skin.fill(QColor(0, 0, 255));
    {
        QPainter p(&skin);
        p.setBrush(QColor(60, 160, 90));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRect(0, 0, 60, 24));
    }
    ButtonEx skinned;
    skinned.resize(60, 24);
    skinned.setCaption("Skin");
    skinned.setForeColor(Qt::white);
    skinned.setSkinUp(skin);
    sheet.put(skinned, "skin");
    ButtonEx focused;
    focused.resize(76, 24);
    focused.setCaption("Focus");
    sheet.put(focused, "focus", [&] {
        focused.activateWindow();
        (void)QTest::qWaitForWindowActive(&focused);
        focused.setFocus(Qt::TabFocusReason);
    });
    sheet.newRow();
}

struct ControlSheet : testing::TestWithParam<qreal> {};

TEST_P(ControlSheet, ShowsEveryControlInItsLooks) {
    Sheet sheet(620, GetParam());
    putTrackers(sheet);
    putVolumes(sheet);
    putButtons(sheet);
    QTemporaryDir dir;
    const QString name = qEnvironmentVariableIsSet("TONVALE_CONTROL_SHEET")
                             ? qEnvironmentVariable("TONVALE_CONTROL_SHEET")
                             : dir.filePath("controls.png");
    EXPECT_TRUE(sheet.save(QString(name).replace(".png", QString("@%1x.png").arg(GetParam()))));
}

INSTANTIATE_TEST_SUITE_P(Ratios, ControlSheet, testing::Values(1.0, 2.0));

} // namespace
