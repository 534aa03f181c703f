#pragma once
// Shows a running recording in the main window's status label: the recording text (the label's
// own text is kept and comes back afterwards), red and underlined under the pointer, and a
// click on it saves the recording.
#include "score/Recorder.h"

#include <QColor>
#include <QCursor>
#include <QObject>
#include <QPointer>

class QLabel;

class RecordingStatusView : public QObject {
    Q_OBJECT
public:
    // `pointer` is the label's mouse pointer while recording (the logo label's one).
    RecordingStatusView(Recorder& recorder, QLabel* lblStatus, const QCursor& pointer,
                        QObject* parent = nullptr);

    // The label's text from before the recording (its tag).
    QString tag() const { return tag_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showRecording(bool recording);
    void setHighlighted(bool highlighted);

    Recorder& recorder_;
    QPointer<QLabel> lblStatus_;
    QCursor pointer_;
    QString tag_;
    // The bar's own text colour, which the label returns to.
    QColor normalText_;
};
