#pragma once
// Plays the loaded score one row per tick of the play timer: applies the instrument, key and
// caption changes before the row, strikes its key, holds it for the note's length, and at the
// end of the score follows the playing-list mode and the completion action.
//
// Timing: tick n is due at t0 + n x interval on a monotonic clock (t0 = when Play started the
// timer), so playing never drifts. A hold is a continuation, not a nested event loop: the tick
// strikes, arms the hold timer and returns; when the hold ends the tick finishes (key drawn
// released, display refreshed, isAgain set). Firings that fall due during a hold, its end
// included, are dropped, so a row of code d lasts MaxDurationCode / d intervals. After a stall
// at most one late tick fires and the grid is rejoined. Pause, Stop, a seek, a new load or Close
// during a hold take effect at once and end the hold early; the tick then finishes on the next
// turn of the event loop against the state it finds. A tick never overlaps another.
//
// Speed: at p percent every slot of the grid, and so every hold and rest, lasts 100 / p times
// its written length, in nanoseconds on the same absolute grid (never rounded per tick). A new
// speed starts a new grid at the next row, so the row that sounds keeps the length it began with.
//
// A looped passage: the tick that would play a row after the passage's last plays its first row
// instead, with the instrument, key and caption in force there. Rows before the passage play as
// written, so that a seek before it leads in. The loop outlasts pause and resume, not a new load.
//
// Practice mode: a note row strikes nothing; the play timer rests until the user strikes the
// row's key (keyStruck). The player may also strike it before the score gets there, while the
// note before still sounds or during a rest before it: the score then goes straight to that note.
// Either way the note's length starts from the strike, on a grid that starts there. Pause, Stop,
// a seek, a new load or Close end the wait; Pause goes back to before the waiting row, so that
// Play asks for that note again.
//
// Practice in time: the score keeps its beat without sounding its notes, and BeatJudge judges
// the player's strikes against the notes' onsets. In either way every note gets a mark, and the
// end of the score, or of each pass of a looped passage, ends a run with its figures.
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "platform/MessageSink.h"
#include "score/BeatJudge.h"
#include "score/EndOfScore.h"
#include "score/KeyboardPort.h"
#include "score/Passage.h"
#include "score/PracticeMarks.h"
#include "score/PracticeMode.h"
#include "score/Score.h"
#include "score/ScoreParser.h"
#include "platform/TimeSource.h"

#include <QObject>
#include <chrono>
#include <limits>
#include <optional>

class PlaybackEngine : public QObject {
    Q_OBJECT
public:
    PlaybackEngine(const NoteTable& notes, SoundSettings& sound, KeyboardPort& keyboard,
                   TimeSource& time, MessageSink& messages, QObject* parent = nullptr);
    ~PlaybackEngine() override;

    // Reads, analyses and starts the score (playRequested at the end) and returns its rows, which
    // also become lngTotalRow. The caller has checked that the file exists. A file that cannot be
    // read, is larger than a score can be, or is not text is reported in an error box and nothing
    // changes: the score loaded before stays, and its row count is returned.
    qint32 LoadScore(const QString& path, bool resetPosition);
    // The same load, starting after `startRow` when given (else at the current row), and telling
    // a refused file apart: nothing when the file could not be loaded.
    std::optional<qint32> openScore(const QString& path, std::optional<qint32> startRow);

    const Score& score() const { return score_; }
    qint16 TempoBpm() const { return wide_.TempoBpm; }
    qint16 BeatUnit() const { return wide_.BeatUnit; }
    bool hasScore() const { return !score_.rows.isEmpty(); }

    // The row processed last; the next tick plays the row after it. A negative row is taken as
    // 0; a row at or past the end ends the score at the next tick.
    qint32 lngCurrentRow() const { return lngCurrentRow_; }
    void setLngCurrentRow(qint32 row);
    qint32 lngTotalRow() const { return lngTotalRow_; }

    // The engine's part of the transport. Play switches the timer on (nothing without a score; a
    // running timer keeps its grid). Pause switches it off and releases all keys; Stop does the
    // same and goes back to the start, clearing the caption; CloseScore also forgets the score.
    // A seek is Pause, setLngCurrentRow, refreshPlayedTime while dragging, then Play.
    void Play();
    void Pause();
    void Stop();
    void CloseScore();
    bool isTimerRunning() const { return timerRunning_; }
    bool isHolding() const { return holding_; }

    // The text of lblPlayedTime, kept here: row mode while it holds no ":", time mode otherwise.
    QString playedTimeText() const { return playedTimeText_; }
    void refreshPlayedTime();
    void switchPlayedTimeMode();
    QString caption() const { return caption_; }

    void setListMode(EndOfScore::ListMode mode) { listMode_ = mode; }
    EndOfScore::ListMode listMode() const { return listMode_; }
    void setCompletionAction(EndOfScore::CompletionAction action) { completion_ = action; }
    EndOfScore::CompletionAction completionAction() const { return completion_; }
    // Null means an empty list. The list must outlive the engine or be unset first.
    void setPlayingList(const PlayingListView* list) { playingList_ = list; }
    // Numbers in [0, 1) for the random mode.
    void setRandomSource(std::function<double()> uniform) { uniform_ = std::move(uniform); }

    // Play ▸ 速度, 25 to 200 percent of the written tempo; from the next row on.
    void setSpeedPercent(int percent);
    int speedPercent() const { return chosenSpeed_; }

    // The passage to repeat; none to play on through the score. A passage outside the score's
    // rows is cut to them, and one with no row left is none.
    void setLoop(std::optional<Passage> passage);
    const std::optional<Passage>& loop() const { return loop_; }

    // Play ▸ 跟弹方式: waiting for the right key, or in time, where the score goes on at its tempo
    // without sounding its notes and BeatJudge judges the strikes. From the next run on.
    void setPracticeWay(PracticeRun::Way way);
    PracticeRun::Way practiceWay() const { return way_; }
    const PracticeMarks& practiceMarks() const { return marks_; }

    // Switching practice off while a note waits plays that note as playback does.
    void setPracticeMode(bool on);
    const PracticeMode& practice() const { return practice_; }
    // A key the user struck (computer keyboard, pointer or any other road into the strike): in
    // practice mode the due note is taken when it is its key, waited at or not yet reached; any
    // other key only counts as wrong. Strikes while paused or stopped count neither way.
    void keyStruck(int keyIndex);

signals:
    void statusChanged(const QString& text);
    void captionChanged(const QString& text);
    void progressRangeChanged(int maximum);
    void progressValueChanged(int value);
    void playedTimeTextChanged(const QString& text);
    // A score is loaded: the transport buttons are enabled.
    void scoreLoaded(qint32 rowCount);
    // The transport's Play (button 0), which calls Play().
    void playRequested();
    // The transport's Stop (button 2), which calls Stop(); the engine stops in any case.
    void stopRequested();
    // The transport's Next (button 5).
    void nextRequested();
    // playAllFiles(entry, restart true, add-to-recent true).
    void playEntryRequested(const QString& entry);
    // The completion action "退出Tonvale": unload the main window.
    void exitRequested();
    // The looped passage was played to its end and starts again.
    void passageRepeated();
    // Practice mode: the key and the row to strike next; -1 when none.
    void dueKeyChanged(int keyIndex);
    // Practice mode: the key of the note after the due one (round the loop); -1 when none.
    void followingKeyChanged(int keyIndex);
    void dueRowChanged(int row);
    // Practice mode: the score came to its end; the figures of the run.
    // Also at the end of each pass of a looped passage; `scorePath` is the score practised.
    void practiceFinished(const PracticeRun& run, const QString& scorePath);
    // Practice: a note's mark, given or changed; the marks of the run before are gone.
    void noteMarked(const NoteMark& mark);
    void noteMarksCleared();

private:
    using Nanos = std::chrono::nanoseconds;

    void onPlayTimer();
    void tick(qint64 slot);
    void applyChangesBefore(qint32 row);
    // The looped passage starts again: the instrument, key and caption in force at its first row.
    void repeatPassage();
    void beginHold(qint64 slot, qint32 milliseconds, int releaseKey);
    void onHoldEnd();
    void finishTick(int releaseKey);
    void endHoldEarly();
    void awaitStrike(int keyIndex);
    // The player struck the due note: the score goes on from this strike.
    void takeNote(const DueNote& note);
    // While playing in practice mode, the next note after the position is due.
    void cueNextNote();
    // Nothing is due any more; `replayRow`: the next tick plays a waiting row again.
    void endWait(bool replayRow);
    void publishDue();
    // The key of the note after the due one, going round a looped passage; -1 when none.
    int followingKey() const;
    void markNote(const NoteMark& mark);
    // In time: the notes whose windows have closed are marked.
    void settleBeats();
    qint64 nowMs() const;
    // The figures of the run or pass that ends, none when nothing was practised; the next one
    // starts counting.
    std::optional<PracticeRun> finishRun();
    void startNewRun();
    void switchTimerOff();
    void scheduleFrom(qint64 slot);
    // The grid starts at `start` with the chosen speed.
    void restartGrid(Nanos start);
    Nanos slotTime(qint64 slot) const;
    // A written length at the grid's speed.
    Nanos atSpeed(Nanos written) const;
    void endOfScore();
    void stopPlayback();
    void runCompletionAction();
    void setCaption(const QString& text);
    void setPlayedTimeText(const QString& text);
    void reportUnreadable(const QString& text);

    const NoteTable& notes_;
    SoundSettings& sound_;
    KeyboardPort& keyboard_;
    TimeSource& time_;
    MessageSink& messages_;
    std::unique_ptr<DeadlineTimer> playTimer_;
    std::unique_ptr<DeadlineTimer> holdTimer_;

    Score score_;
    ScoreWideValues wide_;
    qint32 lngCurrentRow_ = 0;
    qint32 lngTotalRow_ = 0;
    std::optional<Passage> loop_;
    // The instrument and key as the score started: in force where no change comes before a row.
    qint16 startInstrument_ = 0;
    qint16 startKey_ = 0;
    quint64 loadCount_ = 0;

    bool timerRunning_ = false;
    quint64 timerGeneration_ = 0;
    Nanos gridStart_{0};
    int chosenSpeed_ = 100;
    int gridSpeed_ = 100;
    qint64 nextSlot_ = 0;
    bool inTick_ = false;
    bool holding_ = false;
    Nanos holdEnd_{std::numeric_limits<Nanos::rep>::min()};
    int holdReleaseKey_ = -1;

    QString playedTimeText_;
    QString caption_;
    EndOfScore::ListMode listMode_ = EndOfScore::ListMode::Loop;
    EndOfScore::CompletionAction completion_ = EndOfScore::CompletionAction::Nothing;
    const PlayingListView* playingList_ = nullptr;
    std::function<double()> uniform_;
    PracticeMode practice_;
    PracticeRun::Way way_ = PracticeRun::Way::WaitForKey;
    PracticeRun::Way runWay_ = PracticeRun::Way::WaitForKey;
    BeatJudge beats_;
    PracticeMarks marks_;
    // The marks shown are of a finished run: the next mark clears them.
    bool marksOfLastRun_ = false;
};
