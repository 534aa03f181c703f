#pragma once
// The options dialog: the About page, the appearance and other page and the key page behind three
// drawn tabs, with OK, Cancel, Apply and the defaults. Every change reaches the main window at
// once; closing without Apply takes back what was not applied (OptionsModel).
#include "core/AppPaths.h"
#include "platform/DesktopShell.h"
#include "platform/MessageSink.h"
#include "settings/OptionsHost.h"
#include "settings/OptionsModel.h"

#include <QDialog>
#include <array>

class AppearancePage;
class ButtonEx;
class ContactLink;
class KeyMapPage;
class OptionTab;
class QGroupBox;
class QLabel;
class QStackedWidget;

class frmOption : public QDialog {
    Q_OBJECT
public:
    struct Services {
        AppPaths paths;
        MessageSink& messages;
        DesktopShell& shell;
        // The running program file, whose date the About page shows.
        QString programFile;
    };

    // `aboutRequested`: opened from Help ▸ About, on page 0 whatever page was stored.
    frmOption(OptionsHost& host, const Services& services, bool aboutRequested, QWidget* owner);

    // Shows the dialog modally over `owner`.
    static void Start(OptionsHost& host, const Services& services, bool aboutRequested,
                      QWidget* owner);

    OptionsModel& model() { return model_; }

    std::array<OptionTab*, 3> picForButton{};
    QGroupBox* FrameStatic0 = nullptr;
    QStackedWidget* pages = nullptr;
    QGroupBox* FrameOption0 = nullptr;
    QLabel* lblAbout = nullptr;
    std::array<ContactLink*, 3> lblContact{};
    AppearancePage* appearance = nullptr;
    KeyMapPage* keyPage = nullptr;
    QLabel* lblStatic4 = nullptr;
    ButtonEx* btnOk = nullptr;
    ButtonEx* btnCancel = nullptr;
    ButtonEx* btnApply = nullptr;
    ButtonEx* btnDefaultSetting = nullptr;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildAboutPage();
    void buildButtons();
    void setUpAlphaBar();
    void wireAppearance();
    void wireKeyPage();
    void wireButtons();
    void showPage(int index);

    OptionsModel model_;
    DesktopShell& shell_;
    MessageSink& messages_;
    QString programFile_;
};
