#pragma once
// Command lines as the association store keeps them: arguments separated by blanks, an argument
// with blanks in double quotes, "%1" standing for the file. A double quote inside a quoted
// argument is written twice, so that any file name of this platform survives the round trip.
#include <QString>
#include <QStringList>

namespace RegistryCommand {

inline const QString kFileArgument = QStringLiteral("%1");

// The argument in double quotes, inner double quotes doubled.
QString quote(const QString& argument);
// `program` and then the file, each quoted: "program" "%1".
QString forProgram(const QString& program);
// The arguments of a command; an unterminated quote runs to the end of the text.
QStringList split(const QString& command);

} // namespace RegistryCommand
