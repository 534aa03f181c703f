#pragma once
// Shows a running recording in the main window's status label: the recording text stands in the
// status line while the recording runs (the program's state shows again afterwards), red and
// underlined under the pointer, and a click on it saves the recording.
#include "core/StatusLine.h"
#include "score/Recorder.h"

#include <QColor>
#include <QCursor>
#include <QObject>
#include <QPointer>

class QLabel;

class RecordingStatusView : public QObject {
    Q_OBJECT
public:
    // `lblStatus` shows `status`; `pointer` is its mouse pointer while recording (the logo
    // label's one).
    RecordingStatusView(Recorder& recorder, StatusLine& status, QLabel* lblStatus,
                        const QCursor& pointer, QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRecording(bool recording);
    void setHighlighted(bool highlighted);

    Recorder& recorder_;
    StatusLine& status_;
    QPointer<QLabel> lblStatus_;
    QCursor pointer_;
    // The bar's own text colour, which the label returns to.
    QColor normalText_;
};
