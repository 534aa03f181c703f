#pragma once
// Turns live playing into a score: the header rows chosen in the settings dialog, then one note
// row per released key, its duration code worked out from how long the key was held since the
// last strike. Saving asks for a file through FileDialogs; a failed save keeps the recording.
#include "core/NoteTable.h"
#include "platform/FileDialogs.h"
#include "platform/MessageSink.h"
#include "platform/MonotonicClock.h"
#include "score/RecordSettings.h"
#include "score/RecordingWriter.h"

#include <QObject>
#include <QString>
#include <array>

class Recorder : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultVelocity = 60;
    static constexpr int kDefaultRhythm = 4;
    // The shortest note a recording holds, a 1/128; also what an unmeasurable press records.
    static constexpr float kLongestCode = 128.0f;

    Recorder(const NoteTable& notes, const MonotonicClock& clock, MessageSink& messages,
             FileDialogs& dialogs, QObject* parent = nullptr);

    bool IsRecording() const { return isRecording_; }
    const QString& strRecordHead() const { return strRecordHead_; }
    const QString& strRecordBody() const { return strRecordBody_; }
    int intRecordVelocity() const { return intRecordVelocity_; }
    int intRecordRhythm() const { return intRecordRhythm_; }

    // File ▸ 录制: asks for a playing score to pause, drops a recording still running and
    // starts the values afresh; the settings dialog is shown next.
    void StartRecording();
    // The settings dialog's OK: the header rows as typed, tempo and beat unit where the texts
    // hold numbers (the start values otherwise), and the recording runs.
    void BeginRecording(const RecordSettings& settings);
    // Every strike, live or from playback, whether or not it sounded.
    void restartStopwatch();
    // A key released while recording adds its note row; keys outside 0..87 add nothing.
    void RecordKeyRelease(int keyIndex);
    // Polyphonic playing: the row of a released key holds the time since that key's own strike.
    void keyStruck(int keyIndex);
    void RecordHeldKeyRelease(int keyIndex);
    // The click on the status text: asks for a file and saves. A cancelled dialog or a failed
    // write (reported, naming the file) keeps the recording going.
    void SaveFromStatusClick();
    // Esc: the recording ends and nothing is written.
    void DropRecording();

    // The writer of the files that are no scores (MIDI files), or none.
    void setOtherFormat(RecordingWriter* writer) { otherFormat_ = writer; }

    // Header, the caption row with the legal notice, and the note rows, appended to `path`;
    // with `overwrite` an existing writable file is deleted first (a failure to delete is
    // passed over, so the recording then lands at its end). A file of the other format's
    // writer gets the same text from it.
    bool SaveRecording(const QString& path, bool overwrite) const;

    // The code of a key held `heldNanoseconds` at `tempo` beats per minute and beat unit
    // `rhythm`: rhythm / beats, at most 128; a zero tempo or a zero time gives 128.
    static float durationCode(qint64 heldNanoseconds, int tempo, int rhythm);
    // The code with one to three decimals and no thousands separator: 4.0, 2.667, 128.0.
    static QString formatCode(float code);

    static QString statusText();
    static QString saveDialogTitle();
    static QString saveDialogFilter();

signals:
    // A playing score should pause: a recording is about to be set up.
    void pauseRequested();
    void recordingChanged(bool recording);

private:
    void setRecording(bool recording);
    void appendRow(int keyIndex, qint64 heldNanoseconds);

    const NoteTable& notes_;
    const MonotonicClock& clock_;
    MessageSink& messages_;
    FileDialogs& dialogs_;
    RecordingWriter* otherFormat_ = nullptr;
    bool isRecording_ = false;
    QString strRecordHead_;
    QString strRecordBody_;
    int intRecordVelocity_ = kDefaultVelocity;
    int intRecordRhythm_ = kDefaultRhythm;
    qint64 stopwatchStart_ = 0;
    std::array<qint64, NoteTable::kKeyCount> keyStruckAt_{};
};
