#pragma once
// Gives the score bar the loaded score in numbered notation with the check's marks, built only
// while the bar is shown: a load with the bar hidden costs nothing here (a million rows take a
// third of a second to check and set), and showing the bar later builds it then.
#include <QObject>

class NoteTable;
class PlaybackEngine;
class ScoreView;
class QWidget;

class ScoreBarFeed : public QObject {
    Q_OBJECT
public:
    // `bar` is the panel that holds `view` and is shown and hidden with the View menu.
    ScoreBarFeed(const PlaybackEngine& engine, const NoteTable& notes, QWidget& bar,
                 ScoreView& view, QObject* parent = nullptr);

    // The score was closed: the bar is empty.
    void clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void scoreLoaded();
    void build();

    const PlaybackEngine& engine_;
    const NoteTable& notes_;
    QWidget& bar_;
    ScoreView& view_;
    // The loaded score is not in the view yet.
    bool stale_ = false;
};
