#pragma once
// Play ▸ 跟弹: switches the engine's practice mode, hands it every note the user strikes, marks on
// the keyboard and the score bar the note to strike next, and tells the result of a run.
#include <QObject>

class LiveKeyboard;
class MainMenus;
class PianoKeyboard;
class PlaybackEngine;
class PointerGestures;
class ScoreView;
class StatusLine;

class PracticeController : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const MainMenus& menus;
        PlaybackEngine& engine;
        const LiveKeyboard& live;
        PointerGestures& pointer;
        StatusLine& status;
        PianoKeyboard& keyboard;
        ScoreView& scoreView;
    };

    explicit PracticeController(Parts parts, QObject* parent = nullptr);
};
