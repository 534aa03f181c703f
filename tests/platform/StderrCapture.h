#pragma once
// Catches everything written to the process's standard error (file descriptor 2) while it
// lives, so that a test can check that a library stayed quiet.
#include <QByteArray>
#include <QTemporaryFile>

class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Stops capturing and returns what was written.
    QByteArray finish();

private:
    QTemporaryFile file_;
    int saved_ = -1;
};
