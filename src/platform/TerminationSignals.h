#pragma once
// Turns SIGTERM, SIGINT and SIGHUP, and the end of the desktop session, into one Qt signal on the
// event loop, so that the program closes its main window in order instead of dying with unsaved
// settings and lists. The handler only writes the signal number into a socket pair; everything
// else runs on the event loop. One instance at a time; the destructor restores the old handlers.
#include <QObject>

#include <array>
#include <csignal>
#include <memory>

class QSocketNotifier;

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // False when the socket pair could not be made: the signals then keep their default action.
    bool isActive() const { return notifier_ != nullptr; }

signals:
    // `signalNumber` is 0 when the desktop session ends.
    void terminationRequested(int signalNumber);

private:
    void readPending();

    std::array<int, 2> sockets_{-1, -1};
    std::array<struct sigaction, kSignals.size()> previous_{};
    std::unique_ptr<QSocketNotifier> notifier_;
};
