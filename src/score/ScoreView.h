#pragma once
// The score bar's view: the loaded score in numbered notation, the computer key of each note
// under it, the captions as lyrics, the played row highlighted and kept in view, the check's
// marks with their reasons as tooltips, a passage chosen to loop as a band, and the speed when it
// is not the written one. Only the visible lines are drawn. A click on a note asks to play from
// there; dragging across notes, or a click and a Shift+click, chooses a passage; a plain click
// outside the band clears it.
#include "score/NoteMark.h"
#include "score/Passage.h"
#include "score/ScoreNotation.h"
#include "score/ScorePainter.h"
#include "score/ScoreViewLayout.h"

#include <QAbstractScrollArea>
#include <QHash>

class ScoreView : public QAbstractScrollArea {
    Q_OBJECT
public:
    using KeyNameSource = ScorePainter::KeyNameSource;

    ScoreView(KeyNameSource keyNames, QWidget* parent);

    void setNotation(ScoreNotation notation);
    const ScoreNotation& notation() const { return notation_; }
    const ScoreViewLayout& layout() const { return layout_; }
    qint32 playedRow() const { return playedRow_; }
    // The tooltip of the item under `point` (viewport coordinates): its line, its computer key
    // and what the check found there; "" where there is no item.
    QString toolTipAt(QPoint point) const;
    // The rows of the chosen passage; none when no passage is chosen.
    std::optional<Passage> passage() const;
    void clearPassage();

public slots:
    // The row processed last; its item (or the last one before it) is highlighted and scrolled
    // into view.
    void setPlayedRow(qint32 row);
    // A row to mark apart from the played one (the note due next while practising); -1 for none.
    void setMarkedRow(qint32 row);
    // The key map changed: the key names under the notes are drawn anew.
    void refreshKeyNames();
    // Shown in a corner when not 100.
    void setSpeedPercent(int percent);
    // How a note went in practice, marked under it until the marks are cleared.
    void setNoteMark(const NoteMark& mark);
    void clearNoteMarks();

signals:
    // The user clicked the item of `row`.
    void rowClicked(qint32 row);
    // A passage was chosen, or the choice was cleared (also by a new score).
    void passageChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void relayout();
    void scrollToItem(qsizetype item);
    qsizetype itemAtViewport(QPoint point) const;
    void setBand(qsizetype from, qsizetype to);
    void drawSpeed(QPainter& painter) const;

    KeyNameSource keyNames_;
    ScoreNotation notation_;
    ScoreViewLayout layout_;
    qint32 playedRow_ = -1;
    qint32 markedRow_ = -1;
    qsizetype playedItem_ = -1;
    qsizetype markedItem_ = -1;
    // The chosen passage as items, first <= last; -1 for none.
    qsizetype bandFirst_ = -1;
    qsizetype bandLast_ = -1;
    // The item a Shift+click chooses from: the one clicked last.
    qsizetype anchorItem_ = -1;
    // The item the button went down on, and whether the pointer then moved to another.
    qsizetype pressedItem_ = -1;
    bool dragged_ = false;
    bool shiftChose_ = false;
    int speedPercent_ = 100;
    QHash<qint32, NoteMark> noteMarks_;
};
