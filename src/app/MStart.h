#pragma once
// The entry procedure: one run of the program from the splash to the end of the event loop.
#include <QStringList>

namespace MStart {
// `arguments` as the shell handed them over, the program's own name first.
int run(const QStringList& arguments);
} // namespace MStart
