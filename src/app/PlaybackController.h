#pragma once
// The window's part of playing a score: the transport bar and the status texts, the caption
// label, the window title, the score bar, the go-to dialog, File ▸ 关闭, the playing-list mode
// of the Play menu, and the pauses a menu or the recorder asks for.
#include <QObject>

class BottomContainer;
class FileOpener;
class KeyMap;
class MainMenus;
class MenuBarView;
class MessageSink;
class NoteTable;
class PlaybackEngine;
class QLabel;
class QWidget;
class Recorder;
class ScoreBarFeed;
class ScoreView;
class StatusBarView;
class StatusLine;
class Transport;

class PlaybackController : public QObject {
    Q_OBJECT
public:
    struct Parts {
        Transport& transport;
        PlaybackEngine& engine;
        FileOpener& opener;
        MainMenus& menus;
        Recorder& recorder;
        const NoteTable& noteTable;
        const KeyMap& keyMap;
        MessageSink& messages;
        MenuBarView& menuBar;
        QWidget& window;
        BottomContainer& container;
        StatusBarView& statusBar;
        StatusLine& status;
        QLabel& caption; // lblShowLRC
    };

    PlaybackController(Parts parts, QObject* parent = nullptr);

    ScoreView* scoreView() const { return scoreView_; }
    // File ▸ Close: no score any more.
    void closeScore();

private:
    void wireEngine();
    void wireTransport();
    void wireScoreView();

    Parts p_;
    ScoreView* scoreView_ = nullptr;
    ScoreBarFeed* scoreBarFeed_ = nullptr;
};
