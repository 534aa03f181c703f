#include "core/ShellOpen.h"

void ShellOpen(DesktopShell& shell, MessageSink& messages, const QString& target) {
    if (shell.open(target)) return;
    messages.show(errorMessage(QStringLiteral("未知错误：无法打开——") + target));
}
