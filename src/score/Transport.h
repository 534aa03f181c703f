#pragma once
// The transport: the play state and the seven transport buttons, the Play menu and its
// completion submenu, the progress bar as a seek slider and the position label. It drives the
// playback engine and keeps buttons, menu items, status text and progress bar consistent with
// the state; widgets only mirror what it publishes.
#include "core/MainMenus.h"
#include "score/PlaybackEngine.h"
#include "score/PlayingListView.h"

#include <array>

class Transport : public QObject {
    Q_OBJECT
public:
    enum Button { PlayButton, PauseButton, StopButton, FirstButton, PreviousButton, NextButton, LastButton };
    static constexpr int kButtonCount = 7;
    enum State { Playing = 0, Paused = 1, Stopped = 2, NoScore = 3 };

    Transport(PlaybackEngine& engine, MainMenus& menus, QObject* parent = nullptr);

    State PlayState() const { return playState_; }
    bool IsSeeking() const { return isSeeking_; }
    // The list the list buttons walk; null means an empty list. It must outlive the transport or
    // be unset first.
    void setPlayingList(const PlayingListView* list) { playingList_ = list; }

    // The buttons' state as the widgets show it: Value 0 is the pressed look of a two-state button.
    int buttonValue(Button button) const;
    bool buttonsEnabled() const { return buttonsEnabled_; }
    QString status() const { return status_; }
    bool playedTimeVisible() const { return playedTimeVisible_; }
    bool progressEnabled() const { return progressEnabled_; }
    // The unplayed part of the progress bar (its RightColor): white while playing or paused,
    // otherwise the bar's own back colour.
    bool progressRightWhite() const { return progressRightWhite_; }

    // A press of one of the buttons btnForControl.
    void clickButton(Button button);
    // Play menu item 0 and the Space key.
    void playPause();
    // What the entry at `place` of MainMenus::kCompletionActions chooses; None for no entry.
    static EndOfScore::CompletionAction completionAction(int place);
    // The progress bar's mouse events, with the bar's value at that moment.
    void progressMouseDown();
    void progressMouseMove(int barValue);
    void progressMouseUp(int barValue);
    // A click on lblPlayedTime.
    void playedTimeClicked();
    // A menu of the main window opens or closes: playback pauses meanwhile.
    void menuOpened();
    void menuClosed();
    // The transport's part of File > Close.
    void Close();

signals:
    void buttonValueChanged(Transport::Button button, int value);
    void buttonsEnabledChanged(bool enabled);
    // The status text: the transport's state, or the engine's loading step in progress.
    void statusChanged(const QString& text);
    void playedTimeVisibleChanged(bool visible);
    void progressEnabledChanged(bool enabled);
    void progressRightWhiteChanged(bool white);
    void progressValueRequested(int value);
    // The window's topmost rule, with the answer of the topmost submenu.
    void topmostRuleRequested(bool topmost);
    // playAllFiles(entry, restart true, add-to-recent true); the caller stores the rows.
    void playEntryRequested(const QString& entry);
    // File > Close: Next found no list to go on with.
    void closeRequested();
    // Play menu item 2: the go-to dialog, modal over the main window.
    void goToRequested();

private:
    void Play();
    void Pause();
    void Stop();
    void playListEntry(int index);
    void setButtonValues(int play, int pause, int stop);
    void setButtonsEnabled(bool enabled);
    void setStatus(const QString& text);
    void setPlayedTimeVisible(bool visible);
    void setProgress(bool enabled, bool rightWhite);
    void setPlayMenuChecks(bool playChecked);
    void setPlayMenusEnabled(bool enabled);
    bool topmostChecked(MenuEntry rule) const;
    int listCount() const { return playingList_ ? playingList_->count() : 0; }

    PlaybackEngine& engine_;
    MainMenus& menus_;
    const PlayingListView* playingList_ = nullptr;
    State playState_ = NoScore;
    bool isSeeking_ = false;
    std::array<int, kButtonCount> values_{1, 1, 1, 1, 1, 1, 1};
    bool buttonsEnabled_ = false;
    QString status_ = QStringLiteral("准备...");
    bool playedTimeVisible_ = false;
    bool progressEnabled_ = false;
    bool progressRightWhite_ = false;
};
