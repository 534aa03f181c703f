#pragma once
// The keys with a command of their own: Esc silences the keyboard and cancels a recording,
// Space plays or pauses, F3 searches, Ctrl+B adds a folder, Delete and Shift+Delete delete from
// the list, F12 organises the favorites; each under the condition its command has.
#include <QObject>
#include <functional>

class LiveKeyboard;

class CommandKeys : public QObject {
    Q_OBJECT
public:
    // What the keys ask at the moment they go down; a condition not set counts as false.
    struct Conditions {
        std::function<bool()> playPauseEnabled;         // the Play menu's play/pause entry
        std::function<bool()> scorePlaying;             // the transport is playing
        std::function<bool()> deleteSelectedEnabled;    // list menu: delete the selected entries
        std::function<bool()> deleteAllEnabled;         // list menu: delete all entries
        std::function<bool()> organizeFavoritesEnabled; // list menu: organise favorites
    };

    explicit CommandKeys(LiveKeyboard& live, QObject* parent = nullptr);
    void setConditions(Conditions conditions) { conditions_ = std::move(conditions); }

    // Runs the commands of the key that went down; `shift` is a ShiftMask.
    void keyDown(int keyCode, int shift);
    // Whether the key has a command, whether or not the command is available at the moment.
    static bool isCommandKey(int keyCode, int shift);

signals:
    void requestStopRecording();
    void requestPlayPause();
    void requestSearch();
    void requestAddFolder();
    void requestDeleteSelected();
    void requestDeleteAll();
    void requestOrganizeFavorites();

private:
    static bool holds(const std::function<bool()>& condition) { return condition && condition(); }

    LiveKeyboard& live_;
    Conditions conditions_;
};
