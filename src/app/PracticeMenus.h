#pragma once
// Play ▸ 速度, 循环选中段落 and 跟弹方式: the speed goes to the engine and the score bar; the loop
// entry, usable while the score bar holds a chosen passage, makes the engine repeat it; the way
// of practising goes to the engine.
#include <QObject>

class MainMenus;
class PlaybackEngine;
class ScoreView;

class PracticeMenus : public QObject {
    Q_OBJECT
public:
    PracticeMenus(const MainMenus& menus, PlaybackEngine& engine, ScoreView& scoreView,
                  QObject* parent = nullptr);

private:
    void followLoop();

    const MainMenus& menus_;
    PlaybackEngine& engine_;
    ScoreView& scoreView_;
};
