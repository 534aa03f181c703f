#include "settings/RegistryCommand.h"

namespace RegistryCommand {

QString quote(const QString& argument) {
    QString inner = argument;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

QString forProgram(const QString& program) {
    return quote(program) + QLatin1Char(' ') + quote(kFileArgument);
}

QStringList split(const QString& command) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < command.size(); ++i) {
        const QChar c = command[i];
        if (quoted) {
            if (c != QLatin1Char('"')) {
                current += c;
            } else if (i + 1 < command.size() && command[i + 1] == QLatin1Char('"')) {
                current += c;
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = inArgument = true;
        } else if (c.isSpace()) {
            if (inArgument) arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument) arguments.append(current);
    return arguments;
}

} // namespace RegistryCommand
