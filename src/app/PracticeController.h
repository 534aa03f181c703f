#pragma once
// Play ▸ 跟弹: switches the engine's practice mode, hands it every note the user strikes, and
// marks on the keyboard and the score bar what it waits for.
#include <QObject>

class LiveKeyboard;
class MainMenus;
class PianoKeyboard;
class PlaybackEngine;
class PointerGestures;
class ScoreView;

class PracticeController : public QObject {
    Q_OBJECT
public:
    PracticeController(const MainMenus& menus, PlaybackEngine& engine, const LiveKeyboard& live,
                       PointerGestures& pointer, PianoKeyboard& keyboard, ScoreView& scoreView,
                       QObject* parent = nullptr);
};
