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

    connect(menus_.item(MenuEntry::PlayPause), &MenuItem::triggered, this, &Transport::playPause);
    connect(menus_.item(MenuEntry::PlayStop), &MenuItem::triggered, this, [this] { clickButton(StopButton); });
    connect(menus_.item(MenuEntry::PlayGoTo), &MenuItem::triggered, this, &Transport::goToRequested);
    menus_.makeChoice(MainMenus::kCompletionActions, this, [this](int place) {
        engine_.setCompletionAction(completionAction(place));
    });
    // No score yet.
    setPlayMenusEnabled(false);
}

EndOfScore::CompletionAction Transport::completionAction(int place) {
    using Action = EndOfScore::CompletionAction;
    static constexpr std::array<Action, MainMenus::kCompletionActions.size()> actions{
        Action::Shutdown, Action::Sleep, Action::ExitProgram, Action::Nothing};
    return place >= 0 && place < int(actions.size()) ? actions[size_t(place)] : Action::None;
}

int Transport::buttonValue(Button button) const {
    return values_[size_t(button)];
}

void Transport::clickButton(Button button) {
    switch (button) {
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
    menus_.item(MenuEntry::FavoritesAdd)->setEnabled(false);
    menus_.item(MenuEntry::PlayPause)->setChecked(false);
    menus_.item(MenuEntry::PlayStop)->setChecked(false);
}

void Transport::Play() {
    playState_ = Playing;
    engine_.Play();
    setButtonValues(0, 1, 1);
    setProgress(true, true);
    setPlayMenusEnabled(true);
    menus_.item(MenuEntry::FavoritesAdd)->setEnabled(listCount() > 0);
    setPlayMenuChecks(true);
    setStatus(QStringLiteral("播放中"));
    setPlayedTimeVisible(true);
    emit topmostRuleRequested(topmostChecked(MenuEntry::TopmostAlways) || topmostChecked(MenuEntry::TopmostWhilePlaying));
}

void Transport::Pause() {
    playState_ = Paused;
    engine_.Pause();
    setButtonValues(1, 0, 1);
    setPlayMenuChecks(true);
    setStatus(QStringLiteral("暂停中"));
    setPlayedTimeVisible(true);
    emit topmostRuleRequested(topmostChecked(MenuEntry::TopmostAlways));
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
    emit topmostRuleRequested(topmostChecked(MenuEntry::TopmostAlways));
}

void Transport::playListEntry(int index) {
    emit playEntryRequested(playingList_->entry(index));
}

void Transport::setButtonValues(int play, int pause, int stop) {
    const std::array<int, 3> wanted{play, pause, stop};
    for (size_t i = 0; i < wanted.size(); ++i) {
        if (values_[i] == wanted[i]) continue;
        values_[i] = wanted[i];
        emit buttonValueChanged(Button(i), wanted[i]);
    }
}

void Transport::setButtonsEnabled(bool enabled) {
    if (buttonsEnabled_ == enabled) return;
    buttonsEnabled_ = enabled;
    emit buttonsEnabledChanged(enabled);
}

// Every report goes out, also one equal to the last: the status line compares it with what the
// bar shows, which others may have written since.
void Transport::setStatus(const QString& text) {
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
    menus_.item(MenuEntry::PlayPause)->setChecked(playChecked);
    menus_.item(MenuEntry::PlayStop)->setChecked(!playChecked);
}

void Transport::setPlayMenusEnabled(bool enabled) {
    for (MenuEntry entry : MainMenus::kNeedsScore) menus_.item(entry)->setEnabled(enabled);
}

bool Transport::topmostChecked(MenuEntry rule) const {
    return menus_.item(rule)->checked();
}
