#pragma once
// A playback engine on virtual time with the real note table and MIDI output over a recording
// backend, and a transport stand-in that answers the engine's requests the way the transport
// does: Play and Stop switch the engine, Next on an empty list closes the score.
#include "LoggedKeyboard.h"
#include "TimedMidiBackend.h"
#include "VirtualTimeSource.h"
#include "core/MMidiOut.h"
#include "platform/GbkCodec.h"
#include "score/PlaybackEngine.h"
#include "support/RecordingMessageSink.h"
#include "support/TempProgramFolder.h"

#include <QDir>

class EngineRig {
public:
    // One note that sounded: MIDI note number, and the times it started and stopped (-1: still on).
    struct Sound {
        int note;
        qint64 on;
        qint64 off;
        bool operator==(const Sound&) const = default;
    };

    EngineRig()
        : midiOut(backend, messages), sound(midiOut), live(sound), keyboard(live, time),
          engine(notes, sound, keyboard, time, messages) {
        QDir(folder.path()).mkdir(QStringLiteral("INI"));
        notes.LoadNoteMap(folder.paths());
        sound.setDevices(midiOut.FillMidiDevices());
        sound.selectDevice(0);
        QStringList names;
        for (int i = 0; i < 128; ++i)
            names << QStringLiteral("乐器%1").arg(i);
        sound.setInstrumentNames(names);
        sound.selectInstrument(0);
        sound.setPitchShift(36);
        sound.setVelocity(100);
        backend.sent.clear();
        backend.times.clear();
        QObject::connect(&engine, &PlaybackEngine::playRequested, [this] { engine.Play(); });
        QObject::connect(&engine, &PlaybackEngine::stopRequested, [this] {
            ++stopRequests;
            engine.Stop();
        });
        QObject::connect(&engine, &PlaybackEngine::nextRequested, [this] { engine.CloseScore(); });
    }

    QString write(const QString& name, const QByteArray& bytes) {
        folder.write(name, bytes);
        return folder.file(name);
    }
    // Writes `text` (GBK) and loads it from its start.
    qint32 load(const QString& text, const QString& name = QStringLiteral("score.piano")) {
        return engine.LoadScore(write(name, GbkCodec::encode(text)), true);
    }

    // The notes that sounded, read back from the MIDI messages.
    QList<Sound> sounds() const {
        QList<Sound> out;
        for (qsizetype i = 0; i < backend.sent.size(); ++i) {
            const auto& m = backend.sent[i];
            const int type = m.status & 0xF0;
            if (type == 0x90 && m.data2 > 0) {
                out.append({m.data1, backend.times[i], -1});
            } else if (type == 0x80 || type == 0x90) {
                for (Sound& s : out)
                    if (s.note == m.data1 && s.off < 0) s.off = backend.times[i];
            }
        }
        return out;
    }
    // Program changes with their times.
    QList<std::pair<qint64, int>> programChanges() const {
        QList<std::pair<qint64, int>> out;
        for (qsizetype i = 0; i < backend.sent.size(); ++i)
            if ((backend.sent[i].status & 0xF0) == 0xC0)
                out.append({backend.times[i], backend.sent[i].data1});
        return out;
    }

    TempProgramFolder folder;
    NoteTable notes;
    VirtualTimeSource time;
    TimedMidiBackend backend{time};
    RecordingMessageSink messages;
    MMidiOut midiOut;
    SoundSettings sound;
    LiveKeyboard live;
    LoggedKeyboard keyboard;
    PlaybackEngine engine;
    int stopRequests = 0;
};
