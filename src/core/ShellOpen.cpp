#include "core/ShellOpen.h"

#include <QCoreApplication>

void ShellOpen(DesktopShell& shell, MessageSink& messages, const QString& target) {
    if (shell.open(target)) return;
    messages.show({QStringLiteral("未知错误：无法打开——") + target, QCoreApplication::applicationName(),
                   MessageIcon::Error, MessageButtons::Ok, true});
}
