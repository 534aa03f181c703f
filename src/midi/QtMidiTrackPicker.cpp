#include "midi/QtMidiTrackPicker.h"

#include <QInputDialog>

int QtMidiTrackPicker::pickTrack(const QList<MidiImport::TrackChoice>& choices, int preselected) {
    QStringList items;
    for (const MidiImport::TrackChoice& choice : choices)
        items << QStringLiteral("音轨 %1  %2（%3 个音符）")
                     .arg(choice.track + 1)
                     .arg(choice.name)
                     .arg(choice.notes);
    bool ok = false;
    const QString picked = QInputDialog::getItem(owner_, QStringLiteral("导入 MIDI 文件"),
                                                 QStringLiteral("选择要导入旋律的音轨："), items,
                                                 preselected, false, &ok);
    return ok ? int(items.indexOf(picked)) : -1;
}
