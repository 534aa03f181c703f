#pragma once
// The contents of the status bar: an icon and the status text at the left, a standing note on the
// sound output while there is one, an icon and the played-time text at the right, all centred
// vertically. The status text is the status line's, and nobody else's.
#include <QWidget>

class QLabel;
class StatusLine;

class StatusBarView : public QObject {
    Q_OBJECT
public:
    StatusBarView(QWidget* picStatusBar, const StatusLine& status);

    // The icon before the status text; a stop button while a folder scan runs.
    QLabel* imgFileIcon = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblPlayedTime = nullptr;
    // Hidden while it has nothing to say.
    QLabel* lblSoundOutput = nullptr;

    void showSoundOutputNote(const QString& text);
};
