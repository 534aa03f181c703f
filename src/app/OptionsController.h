#pragma once
// Opens the options dialog from View ▸ 选项 and Help ▸ 关于, and lets it change the main window:
// the options, the key map, the caption, the transparency and the associations.
#include "settings/OptionsHost.h"

#include <QObject>

class frmMain;

class OptionsController : public QObject, public OptionsHost {
    Q_OBJECT
public:
    // Takes the window's caption at this moment as its designed caption.
    explicit OptionsController(frmMain& main);

    void open(bool aboutRequested);

    ProgramOptions& options() override;
    KeyMap& keyMap() override;
    const NoteTable& noteTable() const override;
    QString caption() const override;
    void setCaption(const QString& caption) override;
    QString designCaption() const override { return designCaption_; }
    QString playingFile() const override;
    void SetTransparency(qint16 percent) override;
    void applyAssociations(const std::array<bool, 2>& blnAssociate) override;

private:
    frmMain& main_;
    QString designCaption_;
};
