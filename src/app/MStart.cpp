#include "app/MStart.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "core/VersionInfo.h"
#include "platform/AlsaMixer.h"
#include "platform/CapsLockIndicator.h"
#include "platform/DesktopTextEditor.h"
#include "platform/QtDesktopShell.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtMessageSink.h"
#include "platform/SingleInstance.h"
#include "platform/SteadyTimeSource.h"
#include "platform/SystemMidiBackend.h"
#include "platform/XdgDesktopIntegration.h"
#include "platform/midi/FluidSynthAudioRenderer.h"
#include "platform/midi/RtMidiInputBackend.h"
#include "settings/FileAssociations.h"
#include "settings/clsVolume.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>

namespace MStart {

namespace {

// True when the program should end: an earlier instance runs and only one is allowed. The
// earlier one is brought to the front either way.
bool CheckPrevInstance(SingleInstance& instance, frmMain& main, MessageSink& messages) {
    if (!instance.earlierInstanceRunning()) {
        instance.listen();
        QObject::connect(&instance, &SingleInstance::activationRequested, &main, &frmMain::bringToFront);
        return false;
    }
    const bool onlyOne = main.onlyOneInstance();
    if (onlyOne)
        messages.show({QStringLiteral("对不起，您设置只允许运行一个程序实例！程序已经在运行！"),
                       QStringLiteral("%1 - %2").arg(QString::fromUtf8(VersionInfo::companyName),
                                                    QString::fromUtf8(VersionInfo::fileDescription)),
                       MessageIcon::Warning, MessageButtons::Ok, true});
    instance.activateEarlierInstance();
    return onlyOne;
}

// The path as typed may be relative to the folder the program was started from; stored so in
// the lists it would name another file, or none, at a later start from elsewhere.
QString commandLinePath(const QStringList& arguments) {
    const QString typed = arguments.value(1);
    return typed.isEmpty() ? typed : QDir::cleanPath(QDir::current().absoluteFilePath(typed));
}

} // namespace

void prepareDataFolders(const AppPaths& paths) {
    for (const QString& folder : {paths.iniFolder(), paths.iconFolder()})
        if (!PathExists(folder)) QDir().mkpath(folder);
}

int run(const QStringList& arguments, const StartOptions& options) {
    QPointer<frmSplash> splash = new frmSplash;
    splash->show();
    splash->repaint();

    const QString commandLineFile = commandLinePath(arguments);
    prepareDataFolders(options.paths);

    QtMessageSink desktopMessages;
    MessageSink& messages = options.messages ? *options.messages : desktopMessages;
    QtDesktopShell shell;
    const std::unique_ptr<MidiBackend> systemMidi = options.midi ? nullptr : createSystemMidiBackend();
    MidiBackend& midi = options.midi ? *options.midi : *systemMidi;

    QtFileDialogs desktopDialogs;
    FileDialogs& fileDialogs = options.fileDialogs ? *options.fileDialogs : desktopDialogs;
    SteadyTimeSource clock;

    // One mixer for the whole run: it is opened once, and its failure is told once.
    AlsaMixer mixer;
    clsVolume mixerVolume(mixer, messages);
    SystemVolume& systemVolume = options.systemVolume ? *options.systemVolume : mixerVolume;
    // Qt's test mode moves this folder away from the user's real one.
    XdgDesktopIntegration xdg(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
                              FileAssociations::desktopProgram());
    DesktopIntegration& desktop = options.desktop ? *options.desktop : xdg;

    // A MIDI keyboard plays only the program's own sound system, never a test's.
    RtMidiInputBackend systemMidiInput;
    // Rendering offline needs no sound device: the exported sound is the built-in synthesizer's.
    FluidSynthAudioRenderer audioRenderer(FluidSynthOutput::systemConfig());
    frmMain main({options.paths, midi, messages, shell, fileDialogs, clock, systemVolume, desktop,
                  DesktopTextEditor::find(), &CapsLockIndicator::read,
                  options.midi ? nullptr : &systemMidiInput, &audioRenderer});
    desktopMessages.setOwner(&main);
    desktopDialogs.setOwner(&main);
    main.load([&splash](const QString& text) {
        if (splash) splash->setStatus(text);
    });

    SingleInstance instance(options.paths.GetAppPath());
    if (CheckPrevInstance(instance, main, messages)) {
        main.unload();
        delete splash;
        return 0;
    }

    if (!commandLineFile.isEmpty()) main.openFromCommandLine(commandLineFile);
    delete splash;
    // A kill request or the end of the session closes the window as the user would, so the
    // unload saves everything; a quit from anywhere else still unloads.
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &main, &QWidget::close);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &main, &frmMain::unload);
    main.show();
    if (options.whenShown) QTimer::singleShot(0, &main, [&] { options.whenShown(main); });
    return QApplication::exec();
}

} // namespace MStart
