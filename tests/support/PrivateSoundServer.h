#pragma once
// A PulseAudio server of our own with a null sink, reached by this process and its children
// (PULSE_SERVER), and a recorder of what the sink plays: the whole sound path without a sound
// card and without disturbing the user's own server.
#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>
#include <optional>
#include <vector>

class PrivateSoundServer {
public:
    static constexpr int kRecordingRate = 48000;

    // The server and its recorder are installed.
    static bool installed();

    PrivateSoundServer() = default;
    ~PrivateSoundServer();
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // False, with the reason in `error`, when the server did not come up.
    bool start(QString& error);
    // The environment that reaches this server, for child processes.
    QProcessEnvironment environment() const { return environment_; }
    qint64 serverPid() const { return server_.processId(); }

    // Starts recording the sink, mono 32-bit float, and returns once sound flows (false if it
    // never does).
    bool startRecording();
    // Keeps reading what the sink plays for `ms` milliseconds.
    void record(int ms);
    // Samples received so far: the sink plays what is struck now no earlier than this.
    std::size_t recordedSamples() const { return std::size_t(recorded_.size()) / sizeof(float); }
    // Ends the recording; what was recorded, one float per sample.
    std::vector<float> stopRecording();

private:
    QTemporaryDir runtime_;
    QProcess server_, recorder_;
    QProcessEnvironment environment_;
    QByteArray recorded_;
    bool serverChosen_ = false;
    std::optional<QByteArray> previousServer_;
};
