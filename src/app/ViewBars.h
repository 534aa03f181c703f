#pragma once
// View ▸ 进度栏, 控制栏, 播放列表+收藏夹, 状态栏 and 乐谱栏: each shows or hides its bar. Showing a
// bar grows the window by the bar's height and hiding it shrinks the window, so the keyboard
// keeps its size.
#include <QObject>

class BottomContainer;
class MainMenus;
class QWidget;

class ViewBars : public QObject {
    Q_OBJECT
public:
    // Lives as a child of `window`.
    ViewBars(const MainMenus& menus, BottomContainer& container, QWidget& window);
};
