#pragma once
// What the options dialog changes in the running program: the option variables, the key map, the
// main window's caption and transparency, and the file associations. The main window implements
// it; the tests record what the dialog asks of it.
#include "core/NoteTable.h"
#include "keyboard/KeyMap.h"
#include "core/ProgramOptions.h"

#include <QString>
#include <array>

class OptionsHost {
public:
    virtual ~OptionsHost() = default;

    virtual ProgramOptions& options() = 0;
    virtual KeyMap& keyMap() = 0;
    virtual const NoteTable& noteTable() const = 0;

    virtual QString caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
    // The window's title as designed, the prefix of the title options and of the dialog's caption.
    virtual QString designCaption() const = 0;
    // The score loaded now; "" when none is.
    virtual QString playingFile() const = 0;

    // Percent 0 is opaque; the dialog passes 0..99 only.
    virtual void SetTransparency(qint16 percent) = 0;
    // Brings both associations in line with the options, score files first.
    virtual void applyAssociations(const std::array<bool, 2>& blnAssociate) = 0;
};
