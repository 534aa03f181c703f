#pragma once
// Restores one environment variable, or its absence, when the test that changed it ends.
#include <QByteArray>
#include <QtGlobal>

class EnvironmentGuard {
public:
    explicit EnvironmentGuard(const char* name)
        : name_(name), old_(qgetenv(name)), had_(qEnvironmentVariableIsSet(name)) {}
    ~EnvironmentGuard() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }
    EnvironmentGuard(const EnvironmentGuard&) = delete;
    EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

private:
    const char* name_;
    QByteArray old_;
    bool had_;
};
