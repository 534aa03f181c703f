#pragma once
// The transport's controls: the seven buttons at the left of the control bar and the progress
// bar filling its panel. They show the transport's state and pass clicks, seeks and clicks on
// the position label to it.
#include "score/PlaybackEngine.h"
#include "score/Transport.h"

#include <QObject>
#include <array>

class ButtonEx;
class QLabel;
class Tracker;

class TransportBar : public QObject {
    Q_OBJECT
public:
    static constexpr int kButtonLeft = 120;  // twips
    static constexpr int kButtonSize = 405;  // twips
    static constexpr int kButtonGap = 45;    // twips
    static const QColor kProgressBack;

    // The buttons become children of `controlBar`, the progress bar of `progressPanel`; the
    // position label belongs to the caller and must outlive this object.
    TransportBar(Transport& transport, PlaybackEngine& engine, QWidget* controlBar,
                 QWidget* progressPanel, QLabel* playedTime, QObject* parent = nullptr);

    ButtonEx* btnForControl(int index) const;
    Tracker* trkProgressBar() const { return trkProgressBar_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createButtons(QWidget* controlBar);
    void createProgressBar(QWidget* progressPanel);
    void showValues();
    void layoutButtons();

    Transport& transport_;
    PlaybackEngine& engine_;
    std::array<ButtonEx*, Transport::kButtonCount> buttons_{};
    Tracker* trkProgressBar_ = nullptr;
    QLabel* lblPlayedTime_ = nullptr;
};
