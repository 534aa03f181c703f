#include "exchange/QtMidiTrackPicker.h"

#include <QInputDialog>

int QtMidiTrackPicker::pickMelody(const QList<MidiImport::MelodyChoice>& choices, int preselected) {
    QStringList items;
    for (const MidiImport::MelodyChoice& choice : choices)
        items << QStringLiteral("音轨 %1 通道 %2  %3（%4 个音符）")
                     .arg(choice.track + 1)
                     .arg(choice.channel + 1)
                     .arg(choice.name)
                     .arg(choice.notes);
    bool ok = false;
    const QString picked = QInputDialog::getItem(owner_, QStringLiteral("导入 MIDI 文件"),
                                                 QStringLiteral("选择要导入旋律的音轨和通道："),
                                                 items, preselected, false, &ok);
    return ok ? int(items.indexOf(picked)) : -1;
}
