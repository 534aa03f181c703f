#pragma once
// The playback engine under the transport, with the menus, a playing list and a File > Close
// that does what the main window's does for the transport: it runs the transport's Close.
#include "EngineRig.h"
#include "FixedPlayingList.h"
#include "core/MainMenus.h"
#include "score/Transport.h"

#include <QStringList>

class TransportRig {
public:
    // Ten rows (a tempo, a metre and eight notes of the shortest length).
    static QString tenRows() {
        QString text = QStringLiteral("$100\r\n?4/4");
        for (int i = 0; i < 8; ++i) text += QStringLiteral("\r\n1+16");
        return text;
    }

    TransportRig() {
        rig.engine.setListMode(EndOfScore::ListMode::Single);
        QObject::connect(&transport, &Transport::closeRequested, [this] {
            ++closes;
            transport.Close();
        });
        QObject::connect(&transport, &Transport::playEntryRequested,
                         [this](const QString& entry) { entries << entry; });
        QObject::connect(&transport, &Transport::topmostRuleRequested,
                         [this](bool on) { topmost << on; });
    }

    qint32 load() { return rig.load(tenRows()); }
    // Plays on until the engine has processed `row` (at most ten seconds of virtual time).
    qint32 playToRow(qint32 row) {
        for (int i = 0; i < 1000 && rig.engine.lngCurrentRow() != row; ++i) rig.time.advanceByMs(10);
        return rig.engine.lngCurrentRow();
    }
    // Plays on until the position moves, and gives the new one.
    qint32 nextRow() {
        const qint32 from = rig.engine.lngCurrentRow();
        for (int i = 0; i < 1000 && rig.engine.lngCurrentRow() == from; ++i) rig.time.advanceByMs(10);
        return rig.engine.lngCurrentRow();
    }
    void setList(const PlayingListView* list) {
        transport.setPlayingList(list);
        rig.engine.setPlayingList(list);
    }
    QList<int> values() const {
        QList<int> out;
        for (int i = 0; i < Transport::kButtonCount; ++i) out << transport.buttonValue(Transport::Button(i));
        return out;
    }

    EngineRig rig;
    // The transport answers the engine here, not the engine rig's stand-in.
    bool standInGone = QObject::disconnect(&rig.engine, nullptr, nullptr, nullptr);
    MainMenus menus;
    Transport transport{rig.engine, menus};
    int closes = 0;
    QStringList entries;
    QList<bool> topmost;
};
