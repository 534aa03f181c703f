#include "score/Transport.h"

Transport::Transport(PlaybackEngine& engine, MainMenus& menus, QObject* parent)
    : QObject(parent), engine_(engine), menus_(menus) {
    // The engine's end of score and its loading press the buttons like the user does.
    connect(&engine_, &PlaybackEngine::playRequested, this, [this] { clickButton(PlayButton); });
    connect(&engine_, &PlaybackEngine::stopRequested, this, [this] { clickButton(StopButton); });
    connect(&engine_, &PlaybackEngine::nextRequested, this, [this] { clickButton(NextButton); });
    connect(&engine_, &PlaybackEngine::playEntryRequested, this, &Transport::playEntryRequested);
    connect(&engine_, &PlaybackEngine::scoreLoaded, this, [this] { setButtonsEnabled(true); });
    // The loading steps pass through here, so that the state that follows them is shown too.
    connect(&engine_, &PlaybackEngine::statusChanged, this, &Transport::setStatus);

    connect(menus_.mnuPlaySubs(0), &MenuItem::triggered, this, &Transport::playPause);
    connect(menus_.mnuPlaySubs(1), &MenuItem::triggered, this, [this] { clickButton(StopButton); });
    connect(menus_.mnuPlaySubs(2), &MenuItem::triggered, this, &Transport::goToRequested);
    connect(&menus_.mnuPlayCompletedSubs, &MenuArray::triggered, this, &Transport::clickCompletion);
}

int Transport::buttonValue(int index) const {
    return index >= 0 && index < kButtonCount ? values_[size_t(index)] : 1;
}

void Transport::clickButton(int index) {
    switch (index) {
    case PlayButton:
        Play();
        break;
    case PauseButton:
        Pause();
        break;
    case StopButton:
        Stop();
        break;
    case FirstButton:
        if (listCount() > 0 && playingList_->hasSelection()) playListEntry(0);
        break;
    case PreviousButton:
        if (listCount() > 0 && playingList_->hasSelection()) {
            const int playing = playingList_->intPlayingIndex();
            if (playing == 0)
                playListEntry(listCount() - 1);
            else if (playing >= 1 && playing <= listCount() - 1)
                playListEntry(playing - 1);
        }
        break;
    case NextButton:
        if (listCount() == 0 || !playingList_->hasSelection()) {
            emit closeRequested();
            setStatus(QStringLiteral("准备..."));
        } else {
            const int playing = playingList_->intPlayingIndex();
            if (playing == listCount() - 1)
                playListEntry(0);
            else if (playing >= 0 && playing <= listCount() - 2)
                playListEntry(playing + 1);
        }
        break;
    case LastButton:
        if (listCount() > 0 && playingList_->hasSelection()) playListEntry(listCount() - 1);
        break;
    default:
        break;
    }
}

void Transport::playPause() {
    clickButton(playState_ == Playing ? PauseButton : PlayButton);
}

void Transport::clickCompletion(int index) {
    MenuItem* clicked = menus_.mnuPlayCompletedSubs(index);
    if (!clicked || clicked->isSeparator()) return;
    MainMenus::checkOnly(clicked, {menus_.mnuPlayCompletedSubs(0), menus_.mnuPlayCompletedSubs(1),
                                   menus_.mnuPlayCompletedSubs(2), menus_.mnuPlayCompletedSubs(4)});
    engine_.setCompletionAction(EndOfScore::CompletionAction(index));
}

void Transport::progressMouseDown() {
    isSeeking_ = true;
    engine_.Pause();
}

void Transport::progressMouseMove(int barValue) {
    if (!isSeeking_) return;
    engine_.setLngCurrentRow(barValue);
    engine_.refreshPlayedTime();
}

void Transport::progressMouseUp(int barValue) {
    // A release without a press on the bar (the press began elsewhere) is no seek.
    if (!isSeeking_) return;
    isSeeking_ = false;
    engine_.setLngCurrentRow(barValue);
    clickButton(PlayButton);
}

void Transport::playedTimeClicked() {
    engine_.switchPlayedTimeMode();
}

void Transport::menuOpened() {
    if (values_[PlayButton] == 0 && buttonsEnabled_) clickButton(PauseButton);
}

void Transport::menuClosed() {
    if (values_[PauseButton] == 0 && buttonsEnabled_) clickButton(PlayButton);
}

void Transport::Close() {
    playState_ = NoScore;
    isSeeking_ = false;
    engine_.CloseScore();
    setPlayedTimeVisible(false);
    emit progressValueRequested(0);
    setProgress(false, false);
    setButtonsEnabled(false);
    setStatus(QStringLiteral("已关闭"));
    setPlayMenusEnabled(false);
    menus_.mnuFavoriteSubs(0)->setEnabled(false);
    menus_.mnuPlaySubs(0)->setChecked(false);
    menus_.mnuPlaySubs(1)->setChecked(false);
}

void Transport::Play() {
    playState_ = Playing;
    engine_.Play();
    setButtonValues(0, 1, 1);
    setProgress(true, true);
    setPlayMenusEnabled(true);
    menus_.mnuFavoriteSubs(0)->setEnabled(listCount() > 0);
    setPlayMenuChecks(true);
    setStatus(QStringLiteral("播放中"));
    setPlayedTimeVisible(true);
    emit topmostRuleRequested(topmostChecked(1) || topmostChecked(2));
}

void Transport::Pause() {
    playState_ = Paused;
    engine_.Pause();
    setButtonValues(1, 0, 1);
    setPlayMenuChecks(true);
    setStatus(QStringLiteral("暂停中"));
    setPlayedTimeVisible(true);
    emit topmostRuleRequested(topmostChecked(1));
}

void Transport::Stop() {
    playState_ = Stopped;
    setButtonValues(1, 1, 0);
    setPlayMenuChecks(false);
    setStatus(QStringLiteral("已停止"));
    setPlayedTimeVisible(false);
    engine_.Stop();
    emit progressValueRequested(0);
    setProgress(false, false);
    emit topmostRuleRequested(topmostChecked(1));
}

void Transport::playListEntry(int index) {
    emit playEntryRequested(playingList_->entry(index));
}

void Transport::setButtonValues(int play, int pause, int stop) {
    const std::array<int, 3> wanted{play, pause, stop};
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (values_[i] == wanted[i]) continue;
        values_[i] = wanted[i];
        emit buttonValueChanged(int(i), wanted[i]);
    }
}

void Transport::setButtonsEnabled(bool enabled) {
    if (buttonsEnabled_ == enabled) return;
    buttonsEnabled_ = enabled;
    emit buttonsEnabledChanged(enabled);
}

void Transport::setStatus(const QString& text) {
    if (status_ == text) return;
    status_ = text;
    emit statusChanged(text);
}

void Transport::setPlayedTimeVisible(bool visible) {
    if (playedTimeVisible_ == visible) return;
    playedTimeVisible_ = visible;
    emit playedTimeVisibleChanged(visible);
}

void Transport::setProgress(bool enabled, bool rightWhite) {
    if (progressRightWhite_ != rightWhite) {
        progressRightWhite_ = rightWhite;
        emit progressRightWhiteChanged(rightWhite);
    }
    if (progressEnabled_ != enabled) {
        progressEnabled_ = enabled;
        emit progressEnabledChanged(enabled);
    }
}

void Transport::setPlayMenuChecks(bool playChecked) {
    menus_.mnuPlaySubs(0)->setChecked(playChecked);
    menus_.mnuPlaySubs(1)->setChecked(!playChecked);
}

void Transport::setPlayMenusEnabled(bool enabled) {
    for (int i : {3, 6, 8, int(MainMenus::kFileExportMidi)})
        menus_.mnuFileSubs(i)->setEnabled(enabled);
    for (int i : {0, 1, 2}) menus_.mnuPlaySubs(i)->setEnabled(enabled);
}

bool Transport::topmostChecked(int index) const {
    return menus_.mnuTopmostSubs(index)->checked();
}
