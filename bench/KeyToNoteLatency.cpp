// How long does a key press take from entering the main window to its note-on reaching the MIDI
// backend? Prints the median and the 99th percentile of many presses, next to the cost of the
// strike alone and the 10 ms at which a player starts to feel a keyboard lag.
#include "app/frmMain.h"
#include "support/ServiceDoubles.h"
#include "keyboard/LiveKeyboard.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace {

using Clock = std::chrono::steady_clock;

// Notes the moment of every note-on.
struct TimingBackend : MidiBackend {
    QList<MidiDeviceInfo> devices() override { return {{-1, QStringLiteral("timing")}}; }
    int open(int) override { return kNoError; }
    int close() override { return kNoError; }
    int sendShortMessage(std::uint32_t message) override {
        if ((message & 0xF0) == 0x90) lastNoteOn = Clock::now();
        return kNoError;
    }
    int invalidHandleError() const override { return 1; }
    QString errorText(int) const override { return {}; }
    Clock::time_point lastNoteOn;
};

struct Figures {
    double median, p99;
};

Figures summarise(std::vector<double> micros) {
    std::sort(micros.begin(), micros.end());
    return {micros[micros.size() / 2], micros[micros.size() * 99 / 100]};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("INI"));
    TimingBackend backend;
    ServiceDoubles doubles;
    frmMain main(doubles.services(AppPaths(folder.path(), folder.path()), backend));
    main.load([](const QString&) {});
    main.show();
    if (!QTest::qWaitForWindowExposed(&main)) return 1;
    QWindow* window = main.windowHandle();

    constexpr int kPresses = 20000;
    const std::pair<Qt::Key, QString> keys[] = {{Qt::Key_A, QStringLiteral("a")},
                                                {Qt::Key_S, QStringLiteral("s")}};
    std::vector<double> keyEvent;
    keyEvent.reserve(kPresses);
    for (int i = 0; i < kPresses; ++i) {
        const auto& [key, text] = keys[i % 2];
        const Clock::time_point start = Clock::now();
        qt_handleKeyEvent(window, QEvent::KeyPress, key, Qt::NoModifier, text, false, 1);
        keyEvent.push_back(
            std::chrono::duration<double, std::micro>(backend.lastNoteOn - start).count());
        qt_handleKeyEvent(window, QEvent::KeyRelease, key, Qt::NoModifier, text, false, 1);
        QCoreApplication::processEvents(); // the redraw of the key, as between two real presses
    }

    std::vector<double> strike;
    strike.reserve(kPresses);
    LiveKeyboard& live = main.features().live;
    for (int i = 0; i < kPresses; ++i) {
        const Clock::time_point start = Clock::now();
        live.StrikeKey(39 + i % 2);
        strike.push_back(
            std::chrono::duration<double, std::micro>(backend.lastNoteOn - start).count());
        QCoreApplication::processEvents();
    }

    const Figures k = summarise(keyEvent);
    const Figures s = summarise(strike);
    std::printf("key event -> note-on, %d presses: median %.1f us, p99 %.1f us\n", kPresses,
                k.median, k.p99);
    std::printf("reference, StrikeKey alone:       median %.1f us, p99 %.1f us\n", s.median, s.p99);
    std::printf("reference, a lag players feel:    10000 us\n");
    main.unload();
    return 0;
}
