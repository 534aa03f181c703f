#pragma once
// One file in a private temporary folder that the readers under test open by path. Every write
// gives the file a new modification time, so that a cached copy of the previous content can
// never pass for the new one.
#include <QByteArray>
#include <QString>

namespace ScratchFile {
// The path of `name` in the folder, after writing `bytes` into it.
QString write(const QString& name, const QByteArray& bytes);
// The path of `name` in the folder, without touching it.
QString path(const QString& name);
} // namespace ScratchFile
