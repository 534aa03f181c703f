#pragma once
// A main window as the options dialog sees it: options, key map and caption it may change, and a
// record of every transparency and association it was asked to apply.
#include "settings/OptionsHost.h"

#include <QList>

class RecordingOptionsHost : public OptionsHost {
public:
    ProgramOptions& options() override { return programOptions; }
    KeyMap& keyMap() override { return map; }
    const NoteTable& noteTable() const override { return notes; }
    QString caption() const override { return title; }
    void setCaption(const QString& caption) override { title = caption; }
    QString designCaption() const override { return QStringLiteral("Tonvale"); }
    QString playingFile() const override { return file; }
    void SetTransparency(qint16 percent) override { transparencies << percent; }
    void applyAssociations(const std::array<bool, 2>& blnAssociate) override {
        associations << blnAssociate;
    }

    // The transparency the window has now: 0 until one was applied.
    int transparency() const { return transparencies.isEmpty() ? 0 : transparencies.last(); }

    ProgramOptions programOptions;
    KeyMap map;
    NoteTable notes;
    QString title = QStringLiteral("Tonvale");
    QString file;
    QList<qint16> transparencies;
    QList<std::array<bool, 2>> associations;
};
