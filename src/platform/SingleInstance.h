#pragma once
// Finds an earlier running instance of the program (same user, same program folder) through a
// local socket, and asks it to come to the front.
#include <QLocalServer>
#include <QObject>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& programFolder, QObject* parent = nullptr);

    bool earlierInstanceRunning() const;
    // Asks the earlier instance to restore, raise and flash its window.
    void activateEarlierInstance() const;
    // Starts answering later instances. A socket left behind by a crashed run is taken over.
    bool listen();
    QString serverName() const { return name_; }

signals:
    void activationRequested();

private:
    QString name_;
    QLocalServer server_;
};
