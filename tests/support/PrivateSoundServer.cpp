#include "support/PrivateSoundServer.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>
#include <algorithm>
#include <cstring>

bool PrivateSoundServer::installed() {
    return !QStandardPaths::findExecutable("pulseaudio").isEmpty() &&
           !QStandardPaths::findExecutable("parec").isEmpty();
}

PrivateSoundServer::~PrivateSoundServer() {
    for (QProcess* process : {&recorder_, &server_}) {
        process->kill();
        process->waitForFinished();
    }
    if (!serverChosen_) return;
    if (previousServer_)
        qputenv("PULSE_SERVER", *previousServer_);
    else
        qunsetenv("PULSE_SERVER");
}

bool PrivateSoundServer::start(QString& error) {
    if (!runtime_.isValid()) {
        error = "no temporary folder";
        return false;
    }
    environment_ = QProcessEnvironment::systemEnvironment();
    environment_.insert("XDG_RUNTIME_DIR", runtime_.path());
    environment_.insert("HOME", runtime_.path());
    server_.setProcessEnvironment(environment_);
    recorder_.setProcessEnvironment(environment_);
    server_.start("pulseaudio", {"-n", "--daemonize=no", "--exit-idle-time=-1",
                                 "--load=module-null-sink sink_name=capture",
                                 "--load=module-native-protocol-unix"});
    if (!server_.waitForStarted()) {
        error = "pulseaudio did not start";
        return false;
    }
    const QString socket = runtime_.filePath("pulse/native");
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(socket) && !deadline.hasExpired())
        QThread::msleep(20);
    if (!QFileInfo::exists(socket)) {
        error = "the server did not come up";
        return false;
    }
    if (qEnvironmentVariableIsSet("PULSE_SERVER")) previousServer_ = qgetenv("PULSE_SERVER");
    serverChosen_ = true;
    const QByteArray address = "unix:" + socket.toLocal8Bit();
    qputenv("PULSE_SERVER", address);
    environment_.insert("PULSE_SERVER", QString::fromLocal8Bit(address));
    return true;
}

bool PrivateSoundServer::startRecording() {
    recorder_.start("parec", {"-d", "capture.monitor", "--format=float32le",
                              QStringLiteral("--rate=%1").arg(kRecordingRate), "--channels=1",
                              "--latency-msec=50"});
    if (!recorder_.waitForStarted()) return false;
    // On a busy machine the recorder may take a while to connect.
    const QDeadlineTimer streamLive(10000);
    while (recorded_.isEmpty() && !streamLive.hasExpired())
        record(100);
    return !recorded_.isEmpty();
}

void PrivateSoundServer::record(int ms) {
    const QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        recorder_.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
        recorded_ += recorder_.readAllStandardOutput();
    }
}

std::vector<float> PrivateSoundServer::stopRecording() {
    recorder_.terminate();
    recorder_.waitForFinished();
    recorded_ += recorder_.readAllStandardOutput();
    std::vector<float> samples(std::size_t(recorded_.size()) / sizeof(float));
    if (!samples.empty())
        std::memcpy(samples.data(), recorded_.constData(), samples.size() * sizeof(float));
    return samples;
}
