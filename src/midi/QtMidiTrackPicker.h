#pragma once
// The track choice as a list dialog over the main window.
#include "midi/MidiTrackPicker.h"

class QWidget;

class QtMidiTrackPicker : public MidiTrackPicker {
public:
    explicit QtMidiTrackPicker(QWidget* owner) : owner_(owner) {}
    int pickTrack(const QList<MidiImport::TrackChoice>& choices, int preselected) override;

private:
    QWidget* owner_;
};
