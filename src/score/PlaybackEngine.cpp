#include "score/PlaybackEngine.h"

#include "score/PlayTimeText.h"
#include "score/ScoreFile.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QScopeGuard>

#include <algorithm>

using namespace std::chrono_literals;
using EndOfScore::CompletionAction;
using Kind = EndOfScore::Decision::Kind;

PlaybackEngine::PlaybackEngine(const NoteTable& notes, SoundSettings& sound, KeyboardPort& keyboard,
                               TimeSource& time, MessageSink& messages, QObject* parent)
    : QObject(parent), notes_(notes), sound_(sound), keyboard_(keyboard), time_(time),
      messages_(messages), playTimer_(time.createTimer([this] { onPlayTimer(); })),
      holdTimer_(time.createTimer([this] { onHoldEnd(); })),
      playedTimeText_(QStringLiteral("已用时间 / 总时间")),
      uniform_([] { return QRandomGenerator::global()->generateDouble(); }) {}

PlaybackEngine::~PlaybackEngine() = default;

qint32 PlaybackEngine::LoadScore(const QString& path, bool resetPosition) {
    return openScore(path, resetPosition ? std::optional<qint32>(0) : std::nullopt)
        .value_or(lngTotalRow_);
}

std::optional<qint32> PlaybackEngine::openScore(const QString& path,
                                                std::optional<qint32> startRow) {
    ScoreFile::ReadResult file = ScoreFile::readWhole(path);
    if (file.error != ScoreFile::ReadError::None) {
        reportUnreadable(ScoreFile::errorText(file.error));
        return std::nullopt;
    }

    // The interval changes with the score, so the grid starts again with Play.
    endHoldEarly();
    endWait(false);
    switchTimerOff();
    startNewRun();
    // The marks were of the other score's rows.
    marksOfLastRun_ = false;
    if (!marks_.isEmpty()) {
        marks_.clear();
        emit noteMarksCleared();
    }
    loop_.reset();
    ++loadCount_;
    // Nothing can fail from here on: the old score goes first, so that two never share memory.
    score_ = Score();
    Score loaded;
    emit statusChanged(QStringLiteral("打开文件..."));
    keyboard_.ResetKeyboard();
    startInstrument_ = sound_.instrumentIndex();
    startKey_ = sound_.intYindiao();
    const QString text = ScoreText::decode(std::exchange(file.bytes, {}));
    emit statusChanged(QStringLiteral("提取文件信息..."));
    ScoreParser::parse(text, notes_, wide_, loaded);
    if (startRow) lngCurrentRow_ = std::max<qint32>(0, *startRow);
    emit statusChanged(QStringLiteral("估计播放时间..."));
    ScoreTiming::analyse(loaded, wide_);
    loaded.strPlayingFile = path;
    score_ = std::move(loaded);
    lngTotalRow_ = score_.rowCount();

    emit progressRangeChanged(lngTotalRow_);
    emit progressValueChanged(1);
    emit scoreLoaded(lngTotalRow_);
    setCaption(QString());
    emit playRequested();
    return lngTotalRow_;
}

void PlaybackEngine::reportUnreadable(const QString& text) {
    messages_.show(
        {text, QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok});
}

void PlaybackEngine::setLngCurrentRow(qint32 row) {
    endHoldEarly();
    endWait(false);
    lngCurrentRow_ = std::max<qint32>(0, row);
    cueNextNote();
}

void PlaybackEngine::Play() {
    if (timerRunning_ || !hasScore()) return;
    timerRunning_ = true;
    ++timerGeneration_;
    restartGrid(time_.now());
    scheduleFrom(1);
    cueNextNote();
}

void PlaybackEngine::Pause() {
    endHoldEarly();
    endWait(true);
    switchTimerOff();
    keyboard_.ResetKeyboard();
}

void PlaybackEngine::Stop() {
    endHoldEarly();
    endWait(false);
    switchTimerOff();
    startNewRun();
    lngCurrentRow_ = 0;
    setCaption(QString());
    keyboard_.ResetKeyboard();
}

void PlaybackEngine::CloseScore() {
    endHoldEarly();
    endWait(false);
    switchTimerOff();
    lngCurrentRow_ = 0;
    lngTotalRow_ = 0;
    score_ = Score();
    setCaption(QString());
    keyboard_.ResetKeyboard();
}

void PlaybackEngine::switchTimerOff() {
    timerRunning_ = false;
    ++timerGeneration_;
    playTimer_->stop();
}

void PlaybackEngine::setSpeedPercent(int percent) {
    chosenSpeed_ = std::clamp(percent, 25, 200);
}

void PlaybackEngine::restartGrid(Nanos start) {
    gridStart_ = start;
    gridSpeed_ = chosenSpeed_;
}

PlaybackEngine::Nanos PlaybackEngine::atSpeed(Nanos written) const {
    return written * 100 / gridSpeed_;
}

// Each slot's time is worked out from the grid's start, so rounding to nanoseconds never adds up.
PlaybackEngine::Nanos PlaybackEngine::slotTime(qint64 slot) const {
    return gridStart_ + atSpeed(slot * Nanos(std::chrono::milliseconds(score_.interval)));
}

void PlaybackEngine::scheduleFrom(qint64 slot) {
    const Nanos interval = atSpeed(std::chrono::milliseconds(score_.interval));
    // After a stall only the latest slot already due fires late; the ones before it are dropped.
    slot = std::max<qint64>(slot, (time_.now() - gridStart_) / interval);
    // Slots due during a hold, its end included, are dropped.
    if (holdEnd_ >= gridStart_) {
        qint64 afterHold = (holdEnd_ - gridStart_) / interval;
        while (slotTime(afterHold) <= holdEnd_)
            ++afterHold;
        slot = std::max(slot, afterHold);
    }
    nextSlot_ = slot;
    playTimer_->startAt(slotTime(slot));
}

void PlaybackEngine::onPlayTimer() {
    if (!timerRunning_) return;
    qint64 slot = nextSlot_;
    if (inTick_ || holding_ || slotTime(slot) <= holdEnd_) return scheduleFrom(slot + 1);
    if (gridSpeed_ != chosenSpeed_) {
        // The row that sounded kept its length; this one starts the new speed's grid.
        restartGrid(slotTime(slot));
        slot = 0;
    }
    const quint64 generation = timerGeneration_;
    tick(slot);
    // The tick may have switched the timer off or restarted it on a new grid (a new score), or
    // wait for a strike.
    if (timerRunning_ && generation == timerGeneration_ && !practice_.isWaiting())
        scheduleFrom(slot + 1);
}

void PlaybackEngine::tick(qint64 slot) {
    inTick_ = true;
    const auto leaveTick = qScopeGuard([this] { inTick_ = false; });
    if (lngCurrentRow_ < std::numeric_limits<qint32>::max()) ++lngCurrentRow_;
    if (loop_ && lngCurrentRow_ > loop_->lastRow) {
        lngCurrentRow_ = loop_->firstRow;
        repeatPassage();
    }
    emit progressValueChanged(lngCurrentRow_);
    if (lngCurrentRow_ >= lngTotalRow_ || lngCurrentRow_ >= score_.rowCount()) return endOfScore();

    // Copies: a message box shown by the strike runs events that may replace the score.
    const ScoreRow& row = score_.rows[lngCurrentRow_];
    const qint16 key = row.KeyIndex;
    const qint32 hold =
        ScoreTiming::holdMilliseconds(score_.MaxDurationCode, row.DurationCode, score_.interval);
    settleBeats();
    if (row.isNote()) {
        applyChangesBefore(lngCurrentRow_);
        if (practice_.enabled() && runWay_ == PracticeRun::Way::WaitForKey)
            return awaitStrike(key);
        if (practice_.enabled()) {
            // In time the player sounds the notes; the score only keeps the beat.
            beats_.noteDue(lngCurrentRow_, key, nowMs());
            // The player is to strike the next note at its onset: it is marked ahead.
            practice_.lookAhead(score_.rows, lngCurrentRow_, loop_);
            publishDue();
            if (hold >= 1) return beginHold(slot, hold, -1);
            return finishTick(-1);
        }
        keyboard_.StrikeKey(key);
        if (hold >= 1) return beginHold(slot, hold, key);
        finishTick(key);
    } else if (key == ScoreRow::kRest) {
        keyboard_.playRest();
        if (hold >= 1) return beginHold(slot, hold, -1);
        finishTick(-1);
    } else {
        finishTick(-1);
    }
}

void PlaybackEngine::applyChangesBefore(qint32 row) {
    // Only a change is applied: selecting the same instrument again would resend it every note.
    if (const auto instrument = score_.InstrumentChanges.lastBefore(row);
        instrument && *instrument != sound_.instrumentIndex())
        sound_.selectInstrument(*instrument); // a number outside the list is passed over
    if (const auto key = score_.KeyChanges.lastBefore(row); key && *key != sound_.intYindiao())
        sound_.setPitchShift(*key);
    if (const auto caption = score_.CaptionChanges.lastBefore(row); caption) setCaption(*caption);
}

void PlaybackEngine::setLoop(std::optional<Passage> passage) {
    if (passage) {
        passage->firstRow = std::max(passage->firstRow, 1);
        passage->lastRow = std::min(passage->lastRow, score_.rowCount() - 1);
        if (passage->firstRow > passage->lastRow) passage.reset();
    }
    loop_ = passage;
}

void PlaybackEngine::repeatPassage() {
    const qint32 first = loop_->firstRow;
    // A note row would apply the changes itself, but a passage may begin with a rest.
    const qint16 instrument = score_.InstrumentChanges.lastBefore(first).value_or(startInstrument_);
    if (instrument != sound_.instrumentIndex()) sound_.selectInstrument(instrument);
    const qint16 key = score_.KeyChanges.lastBefore(first).value_or(startKey_);
    if (key != sound_.intYindiao()) sound_.setPitchShift(key);
    setCaption(score_.CaptionChanges.lastBefore(first).value_or(QString()));
    emit passageRepeated();
    if (const std::optional<PracticeRun> run = finishRun())
        emit practiceFinished(*run, score_.strPlayingFile);
}

void PlaybackEngine::beginHold(qint64 slot, qint32 milliseconds, int releaseKey) {
    holding_ = true;
    holdReleaseKey_ = releaseKey;
    // Scaled with its slot's offset, so that a hold of whole intervals ends exactly on a slot.
    holdEnd_ = gridStart_ + atSpeed(slot * Nanos(std::chrono::milliseconds(score_.interval)) +
                                    std::chrono::milliseconds(milliseconds));
    holdTimer_->startAt(holdEnd_);
}

void PlaybackEngine::endHoldEarly() {
    if (!holding_) return;
    holdEnd_ = time_.now();
    holdTimer_->startAt(holdEnd_);
    // The next tick was put after the planned end of the hold: bring it forward.
    if (timerRunning_) scheduleFrom(0);
}

void PlaybackEngine::awaitStrike(int keyIndex) {
    practice_.arrive(lngCurrentRow_, keyIndex);
    playTimer_->stop();
    publishDue();
    refreshPlayedTime();
}

void PlaybackEngine::keyStruck(int keyIndex) {
    // A box shown inside a tick runs events: the strike is heard but not judged meanwhile.
    if (inTick_) return;
    if (practice_.enabled() && runWay_ == PracticeRun::Way::InTime) {
        if (!timerRunning_) return;
        beats_.strike(keyIndex, nowMs());
        return settleBeats();
    }
    const std::optional<DueNote> due = practice_.due();
    // A player ahead who takes the passage's first note while its last still sounds starts the
    // next pass; that note counts in it.
    if (due && !due->waiting && due->row <= lngCurrentRow_ &&
        StrikeJudge::judge(due, keyIndex) == StrikeJudge::Verdict::Right)
        repeatPassage();
    const int rightFirstTime = practice_.tally().rightFirstTime();
    const StrikeJudge::Verdict verdict = practice_.strike(keyIndex);
    if (verdict == StrikeJudge::Verdict::Wrong) markNote({due->row, NoteMark::Result::Wrong});
    if (verdict != StrikeJudge::Verdict::Right) return;
    markNote({due->row, practice_.tally().rightFirstTime() > rightFirstTime
                            ? NoteMark::Result::RightFirstTime
                            : NoteMark::Result::RightAfterMistakes});
    takeNote(*due);
}

void PlaybackEngine::takeNote(const DueNote& note) {
    const qint32 hold = ScoreTiming::holdMilliseconds(
        score_.MaxDurationCode, score_.rows[note.row].DurationCode, score_.interval);
    if (!note.waiting) {
        // Ahead of the score: what it still holds ends, and the rows up to the note are passed.
        const quint64 generation = timerGeneration_;
        endHoldEarly();
        lngCurrentRow_ = note.row;
        emit progressValueChanged(lngCurrentRow_);
        applyChangesBefore(note.row);
        // A box about a failing instrument change runs events, which may have stopped playing.
        if (generation != timerGeneration_) return;
    }
    practice_.lookAhead(score_.rows, note.row, loop_);
    publishDue();
    // The note's length runs from the strike, on a grid that starts there. The key is the user's:
    // its look follows the user's release, not the end of the note.
    restartGrid(time_.now());
    if (hold >= 1)
        beginHold(0, hold, -1);
    else
        finishTick(-1);
    scheduleFrom(1);
}

void PlaybackEngine::cueNextNote() {
    if (!practice_.enabled() || !timerRunning_) return;
    practice_.lookAhead(score_.rows, lngCurrentRow_, loop_);
    publishDue();
}

void PlaybackEngine::endWait(bool replayRow) {
    if (!practice_.due()) return;
    const bool waited = practice_.isWaiting();
    if (waited && replayRow) lngCurrentRow_ = practice_.dueRow() - 1;
    practice_.clearDue();
    publishDue();
    // The play timer rested while the note waited.
    if (waited && timerRunning_) scheduleFrom(0);
}

void PlaybackEngine::setPracticeMode(bool on) {
    if (on == practice_.enabled()) return;
    // A note that waits is played as playback plays it.
    endWait(true);
    practice_.setEnabled(on);
    startNewRun();
    cueNextNote();
}

void PlaybackEngine::publishDue() {
    emit dueKeyChanged(practice_.dueKey());
    emit followingKeyChanged(practice_.dueKey() < 0 ? -1 : followingKey());
    emit dueRowChanged(practice_.dueRow());
}

int PlaybackEngine::followingKey() const {
    const auto next = DueNote::after(score_.rows, practice_.dueRow(), loop_);
    return next ? next->key : -1;
}

void PlaybackEngine::setPracticeWay(PracticeRun::Way way) {
    way_ = way;
    if (!timerRunning_) runWay_ = way;
}

qint64 PlaybackEngine::nowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(time_.now()).count();
}

void PlaybackEngine::markNote(const NoteMark& mark) {
    if (marksOfLastRun_) {
        marksOfLastRun_ = false;
        marks_.clear();
        emit noteMarksCleared();
    }
    marks_.set(mark);
    emit noteMarked(mark);
}

void PlaybackEngine::settleBeats() {
    if (!practice_.enabled() || runWay_ != PracticeRun::Way::InTime) return;
    for (const NoteMark& mark : beats_.settle(nowMs()))
        markNote(mark);
}

std::optional<PracticeRun> PlaybackEngine::finishRun() {
    if (!practice_.enabled()) return std::nullopt;
    const bool inTime = runWay_ == PracticeRun::Way::InTime;
    if (inTime)
        for (const NoteMark& mark : beats_.finish())
            markNote(mark);
    PracticeRun run =
        marks_.run(inTime ? beats_.wrongStrikes() : practice_.tally().wrongKeys(), loop_);
    run.finished = QDateTime::currentDateTime();
    run.way = runWay_;
    run.speedPercent = gridSpeed_;
    run.wholeScore = !loop_;
    if (loop_) {
        run.firstRow = loop_->firstRow;
        run.lastRow = loop_->lastRow;
    }
    startNewRun();
    if (run.notes == 0) return std::nullopt;
    return run;
}

void PlaybackEngine::startNewRun() {
    // In time the note marked ahead is not waited at: nothing is due between runs.
    if (runWay_ == PracticeRun::Way::InTime && practice_.due()) {
        practice_.clearDue();
        publishDue();
    }
    runWay_ = way_;
    beats_ = BeatJudge(chosenSpeed_);
    practice_.resetCount();
    marksOfLastRun_ = true;
}

void PlaybackEngine::onHoldEnd() {
    if (!holding_) return;
    holding_ = false;
    finishTick(holdReleaseKey_);
}

void PlaybackEngine::finishTick(int releaseKey) {
    if (releaseKey >= 0) keyboard_.drawKeyReleased(releaseKey);
    refreshPlayedTime();
    keyboard_.setIsAgain(true);
}

void PlaybackEngine::refreshPlayedTime() {
    if (PlayTimeText::isTimeMode(playedTimeText_)) {
        const QString text =
            PlayTimeText::timeText(lngCurrentRow_, score_.RowEndTimes, score_.TotalTimeText);
        if (!text.isEmpty()) setPlayedTimeText(text);
    } else {
        setPlayedTimeText(PlayTimeText::rowText(lngCurrentRow_, lngTotalRow_, score_.rowCount()));
    }
}

void PlaybackEngine::switchPlayedTimeMode() {
    if (PlayTimeText::isTimeMode(playedTimeText_)) {
        setPlayedTimeText(PlayTimeText::rowText(lngCurrentRow_, lngTotalRow_, score_.rowCount()));
    } else {
        const QString text =
            PlayTimeText::timeText(lngCurrentRow_, score_.RowEndTimes, score_.TotalTimeText);
        if (!text.isEmpty()) setPlayedTimeText(text);
    }
}

void PlaybackEngine::endOfScore() {
    // Told after the playing list has moved on, so that the next score's messages do not hide it.
    const std::optional<PracticeRun> run = finishRun();
    const auto tellRun = qScopeGuard([this, run, path = score_.strPlayingFile] {
        if (run) emit practiceFinished(*run, path);
    });
    const quint64 loadsBefore = loadCount_;
    const EndOfScore::Decision decision = EndOfScore::decide(listMode_, playingList_, uniform_);
    switch (decision.kind) {
    case Kind::PlayEntry:
        emit playEntryRequested(playingList_->entry(decision.index));
        break;
    case Kind::Next:
        emit nextRequested();
        break;
    case Kind::StopThenComplete:
        stopPlayback();
        runCompletionAction();
        return;
    case Kind::NoScore:
        break;
    }
    // Nothing new started (an empty list, a missing file, a position outside the list) and
    // nothing stopped playback (Next on an empty list closes the score): stop here.
    if (loadCount_ == loadsBefore && timerRunning_) stopPlayback();
}

void PlaybackEngine::stopPlayback() {
    emit stopRequested();
    if (timerRunning_) Stop();
}

void PlaybackEngine::runCompletionAction() {
    const auto tell = [this](const QString& text) {
        messages_.show(
            {text, QCoreApplication::applicationName(), MessageIcon::None, MessageButtons::Ok});
    };
    switch (completion_) {
    case CompletionAction::Shutdown:
        tell(QStringLiteral("添加代码：播放完成后关机"));
        break;
    case CompletionAction::Sleep:
        tell(QStringLiteral("添加代码：播放完成后休眠"));
        break;
    case CompletionAction::ExitProgram:
        emit exitRequested();
        break;
    case CompletionAction::Nothing:
    case CompletionAction::None:
        break;
    }
}

void PlaybackEngine::setCaption(const QString& text) {
    if (text == caption_) return;
    caption_ = text;
    emit captionChanged(text);
}

void PlaybackEngine::setPlayedTimeText(const QString& text) {
    if (text == playedTimeText_) return;
    playedTimeText_ = text;
    emit playedTimeTextChanged(text);
}
