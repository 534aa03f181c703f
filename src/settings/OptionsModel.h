#pragma once
// The options dialog without its widgets: the controls' values, the baselines taken when it
// opens, the live changes to the running program, Apply, the revert on closing with changes
// pending, and the defaults. The dialog shows what this model signals and reports every user
// action to it.
#include "core/AppPaths.h"
#include "platform/MessageSink.h"
#include "settings/KeyMapEditor.h"
#include "settings/OptionsHost.h"
#include "settings/OptionsSection.h"

#include <QObject>

class OptionsModel : public QObject {
    Q_OBJECT
public:
    enum Page { AboutPage, AppearancePage, KeyPage, PageCount };
    static constexpr int kAlphaMax = 255;

    OptionsModel(OptionsHost& host, AppPaths paths, MessageSink& messages,
                 QObject* parent = nullptr);

    // The dialog's load: the controls from the settings file (or the defaults), then the
    // baselines. `aboutRequested`: opened from Help ▸ About, which always shows page 0.
    void load(bool aboutRequested);
    // While the dialog is not shown, changes do not count as unapplied.
    void setVisible(bool visible) { visible_ = visible; }

    QString caption() const;
    static QString pageName(int page);
    int intCurrentTab() const { return values_.intCurrentTab; }
    void ShowPage(int index);
    bool restoreDefaultsOffered() const { return values_.intCurrentTab != AboutPage; }

    const OptionValues& values() const { return values_; }
    int alphaSliderValue() const { return alphaSlider_; }
    bool blnAlphaDragging() const { return dragging_; }
    bool applyEnabled() const { return applyEnabled_; }
    bool okEnabled() const { return okEnabled_; }
    KeyMapEditor& keys() { return keys_; }

    // A new text of the transparency box; false when it was refused (message shown, OK off).
    bool setAlphaText(const QString& text);
    void alphaSliderPressed(int value);
    void alphaSliderMoved(int value);
    void alphaSliderReleased() { dragging_ = false; }
    void selectTitle(int index);
    void selectPlayList(int index);
    void setCheck(OptionValues::Check check, bool on);

    // The key page: a click on a label or into a box, and a key released in box `keyIndex`
    // (KeyMapEditor::kPedalBox is the pedal's).
    void clickKeyLabel(int keyIndex);
    void clickKeyBox(int keyIndex);
    bool captureKey(int keyIndex, int keyCode, bool capsLockOn);

    void restoreDefaults();
    void apply();
    // OK: applies pending changes. Closing any way: reverts what was not applied.
    void ok();
    void close();

signals:
    void alphaTextChanged(const QString& text);
    void alphaSliderChanged(int value);
    void alphaRefused();
    void titleOptionChanged(int index);
    void playListOptionChanged(int index);
    void checkChanged(int check, bool on);
    // `keyIndex` 0..87 or KeyMapEditor::kPedalBox.
    void keyTextChanged(int keyIndex, const QString& name);
    void markedKeyChanged(int keyIndex);
    void pageShown(int index);
    void applyEnabledChanged(bool enabled);
    void okEnabledChanged(bool enabled);
    void focusOkRequested();

private:
    struct Baseline {
        QString caption;
        OptionValues values;
    };
    void changed();
    void setApplyEnabled(bool enabled);
    void alphaFromSlider(int value);
    void showTitle();
    void revert();

    OptionsHost& host_;
    AppPaths paths_;
    MessageSink& messages_;
    KeyMapEditor keys_;
    OptionValues values_;
    // What Apply stores: the last transparency text the window took.
    QString acceptedAlpha_ = QStringLiteral("0");
    Baseline baseline_;
    int alphaSlider_ = 0;
    bool dragging_ = false;
    bool visible_ = false;
    bool applyEnabled_ = false;
    bool okEnabled_ = true;
};
