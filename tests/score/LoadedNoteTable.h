#pragma once
// The note table as the program loads it, from the embedded note map.
#include "core/NoteTable.h"
#include "support/TempProgramFolder.h"

#include <QDir>

inline const NoteTable& loadedNoteTable() {
    static const NoteTable table = [] {
        TempProgramFolder folder;
        QDir(folder.path()).mkdir(QStringLiteral("INI"));
        NoteTable t;
        t.LoadNoteMap(folder.paths());
        return t;
    }();
    return table;
}
