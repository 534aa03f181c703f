#pragma once
// The status-bar icon while a scan runs: a stop button with its own picture, pointer and tooltip
// that stops the scan when clicked; afterwards the icon it was before.
#include <QCursor>
#include <QObject>
#include <QPixmap>
#include <QPointer>

class FolderScanCommands;
class QLabel;

class ScanStopIcon : public QObject {
    Q_OBJECT
public:
    ScanStopIcon(FolderScanCommands& commands, QLabel* icon, const QCursor& pointer,
                 QObject* parent = nullptr);

    // A red stop sign of `size` device-independent pixels.
    static QPixmap stopPicture(int size, qreal ratio);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(bool stopButton);

    FolderScanCommands& commands_;
    QPointer<QLabel> icon_;
    QCursor pointer_;
    QPixmap ownPicture_;
};
