#pragma once
// Opens a file, folder or address with the desktop's default program, reporting a failure.
#include "platform/DesktopShell.h"
#include "platform/MessageSink.h"

void ShellOpen(DesktopShell& shell, MessageSink& messages, const QString& target);
