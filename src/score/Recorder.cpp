#include "score/Recorder.h"

#include "core/VersionInfo.h"
#include "platform/AtomicFile.h"
#include "score/AppendTextToFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <limits>
#include <optional>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// A typed field as a whole number, halves to even; none when the text is not a number or does
// not fit a signed 16-bit value.
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<int>(rounded);
}
} // namespace

Recorder::Recorder(const NoteTable& notes, const MonotonicClock& clock, MessageSink& messages,
                   FileDialogs& dialogs, QObject* parent)
    : QObject(parent), notes_(notes), clock_(clock), messages_(messages), dialogs_(dialogs),
      stopwatchStart_(clock.nowNanoseconds()) {}

QString Recorder::statusText() {
    return QStringLiteral("正在录制...单击这里保存... 按 ESC 取消录制！");
}
QString Recorder::saveDialogTitle() {
    return QStringLiteral("保存录制文件...");
}
QString Recorder::saveDialogFilter() {
    return QStringLiteral("Qor_Tonvale乐谱文件(*.piano)|*.piano") +
           QStringLiteral("|MIDI 文件(*.mid)|*.mid") + QStringLiteral("|所有文件(*.*)|*.*");
}

void Recorder::StartRecording() {
    emit pauseRequested();
    // A recording still running is dropped properly, so that the status text comes back.
    setRecording(false);
    strRecordHead_.clear();
    intRecordVelocity_ = kDefaultVelocity;
    intRecordRhythm_ = kDefaultRhythm;
    strRecordBody_.clear();
}

void Recorder::BeginRecording(const RecordSettings& settings) {
    strRecordHead_ += QLatin1Char('%') + QString::number(settings.instrumentIndex) + kCrLf;
    strRecordHead_ += QLatin1Char('!') + settings.keyName + kCrLf;
    strRecordHead_ += QLatin1Char('?') + settings.rhythmText + kCrLf;
    strRecordHead_ += QLatin1Char('$') + settings.velocityText + kCrLf;
    if (const auto tempo = wholeNumber(settings.velocityText)) intRecordVelocity_ = *tempo;
    const qsizetype slash = settings.rhythmText.lastIndexOf(QLatin1Char('/'));
    if (const auto unit = wholeNumber(settings.rhythmText.mid(slash + 1))) intRecordRhythm_ = *unit;
    setRecording(true);
}

void Recorder::restartStopwatch() {
    stopwatchStart_ = clock_.nowNanoseconds();
}

void Recorder::RecordKeyRelease(int keyIndex) {
    appendRow(keyIndex, clock_.nowNanoseconds() - stopwatchStart_);
}

void Recorder::keyStruck(int keyIndex) {
    if (keyIndex >= 0 && keyIndex < NoteTable::kKeyCount)
        keyStruckAt_[std::size_t(keyIndex)] = clock_.nowNanoseconds();
}

void Recorder::RecordHeldKeyRelease(int keyIndex) {
    if (keyIndex < 0 || keyIndex >= NoteTable::kKeyCount) return;
    appendRow(keyIndex, clock_.nowNanoseconds() - keyStruckAt_[std::size_t(keyIndex)]);
}

void Recorder::appendRow(int keyIndex, qint64 heldNanoseconds) {
    if (!isRecording_ || keyIndex < 0 || keyIndex >= NoteTable::kKeyCount) return;
    const float code = durationCode(heldNanoseconds, intRecordVelocity_, intRecordRhythm_);
    strRecordBody_ += notes_.strNoteName(keyIndex) + QLatin1Char('+') + formatCode(code) + kCrLf;
}

void Recorder::SaveFromStatusClick() {
    if (!isRecording_) return;
    const QString path =
        dialogs_.getSaveFileName(saveDialogTitle(), saveDialogFilter(), QStringLiteral("piano"));
    if (path.isEmpty()) return;
    if (!SaveRecording(path, true)) {
        messages_.show(
            {QStringLiteral("无法写入录制文件：%1\n录制仍在进行，可以单击状态栏另存到其他位置。")
                 .arg(path),
             QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok, false});
        return;
    }
    setRecording(false);
}

void Recorder::DropRecording() {
    setRecording(false);
}

bool Recorder::SaveRecording(const QString& path, bool overwrite) const {
    const QString text = strRecordHead_ + QLatin1Char('#') +
                         QString::fromUtf8(VersionInfo::legalNotice) + kCrLf + strRecordBody_;
    if (otherFormat_ && otherFormat_->handles(path)) return otherFormat_->write(path, text);
    if (overwrite && QFileInfo::exists(path) && !AtomicFile::isReadOnly(path)) QFile::remove(path);
    return AppendTextToFile(path, text);
}

float Recorder::durationCode(qint64 heldNanoseconds, int tempo, int rhythm) {
    constexpr double ticksPerMillisecond = MonotonicClock::kNanosecondsPerSecond / 1000;
    const auto ms = static_cast<float>(static_cast<double>(heldNanoseconds) / ticksPerMillisecond);
    const float seconds = ms / 1000.0f;
    const float beats = tempo > 0 ? seconds / (60.0f / static_cast<float>(tempo)) : 0.0f;
    // No tempo or no measurable time: the shortest note there is, never a division by zero.
    if (!(beats > 0.0f)) return kLongestCode;
    const float code = static_cast<float>(rhythm) / beats;
    return code > kLongestCode ? kLongestCode : code;
}

QString Recorder::formatCode(float code) {
    QString text = QString::number(static_cast<double>(code), 'f', 3);
    while (text.endsWith(QLatin1Char('0')) && text.at(text.size() - 2) != QLatin1Char('.'))
        text.chop(1);
    return text == QLatin1String("-0.0") ? QStringLiteral("0.0") : text;
}

void Recorder::setRecording(bool recording) {
    if (isRecording_ == recording) return;
    isRecording_ = recording;
    emit recordingChanged(recording);
}
