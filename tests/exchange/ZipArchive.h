#pragma once
// Builds zip archives for the tests of compressed MusicXML.
#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// The bytes of an archive holding the given entries (name and content), deflated.
QByteArray zipArchive(const QList<std::pair<QString, QByteArray>>& entries);
