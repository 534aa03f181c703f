#include "app/MStart.h"

#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "core/VersionInfo.h"
#include "platform/QtDesktopShell.h"
#include "platform/QtMessageSink.h"
#include "platform/SingleInstance.h"
#include "platform/SystemMidiBackend.h"

#include <QApplication>
#include <QDir>
#include <QPointer>

namespace MStart {

namespace {

void ensureFolder(const QString& path) {
    if (!PathExists(path)) QDir().mkpath(path); // a failure shows later, in the writes
}

// True when the program should end: an earlier instance runs and only one is allowed. The
// earlier one is brought to the front either way.
bool CheckPrevInstance(SingleInstance& instance, frmMain& main, MessageSink& messages) {
    if (!instance.earlierInstanceRunning()) {
        instance.listen();
        QObject::connect(&instance, &SingleInstance::activationRequested, &main, &frmMain::bringToFront);
        return false;
    }
    const bool onlyOne = main.options().blnOnlyRunOne;
    if (onlyOne)
        messages.show({QStringLiteral("对不起，您设置只允许运行一个程序实例！程序已经在运行！"),
                       QStringLiteral("%1 - %2").arg(QString::fromUtf8(VersionInfo::companyName),
                                                    QString::fromUtf8(VersionInfo::fileDescription)),
                       MessageIcon::Warning, MessageButtons::Ok, true});
    instance.activateEarlierInstance();
    return onlyOne;
}

} // namespace

int run(const QStringList& arguments) {
    QPointer<frmSplash> splash = new frmSplash;
    splash->show();
    splash->repaint();

    const QString commandLineFile = arguments.value(1);
    const AppPaths paths = AppPaths::forRunningProgram();
    ensureFolder(paths.iniFolder());
    ensureFolder(paths.iconFolder());

    QtMessageSink messages;
    QtDesktopShell shell;
    const std::unique_ptr<MidiBackend> midi = createSystemMidiBackend();
    frmMain main({paths, *midi, messages, shell});
    messages.setOwner(&main);
    main.load([&splash](const QString& text) {
        if (splash) splash->setStatus(text);
    });

    SingleInstance instance(paths.GetAppPath());
    if (CheckPrevInstance(instance, main, messages)) {
        main.unload();
        delete splash;
        return 0;
    }

    if (!commandLineFile.isEmpty()) main.openFromCommandLine(commandLineFile);
    delete splash;
    main.show();
    return QApplication::exec();
}

} // namespace MStart
