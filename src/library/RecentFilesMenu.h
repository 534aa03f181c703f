#pragma once
// The submenu of recent files under the File menu, kept in step with the recent list: the check
// item that clears the list at every exit, the clear command, and one item per entry with the
// access keys 0 to 9.
#include <QObject>

class MainMenus;
class MenuArray;
class RecentFiles;

class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    RecentFilesMenu(RecentFiles& recent, const MainMenus& menus, QObject* parent = nullptr);

    // Shutdown: clears the list when "每次退出时自动清除" is checked, so that it is saved empty.
    void clearIfConfigured();

signals:
    // An entry was chosen; it is to be opened like any other file, which also moves it to the top.
    void openRequested(const QString& entry);

private:
    void showList();
    void itemTriggered(int index);

    RecentFiles& recent_;
    const MainMenus& menus_;
    MenuArray& menu_;
    // The entries of the list follow the menu's own.
    const int firstEntryItem_;
};
