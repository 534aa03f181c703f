#include "platform/XdgDesktopIntegration.h"

#include "platform/AtomicFile.h"
#include "platform/IcoContainer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamWriter>

namespace {

constexpr int kToolTimeoutMs = 10000;
constexpr qint64 kMaxIconFileSize = 4 << 20;
const QString kHicolor = QStringLiteral("icons/hicolor");

// "application/x-tonvale-piano" -> "application-x-tonvale-piano", the icon theme's name for it.
QString iconNameOf(const QString& mimeType) {
    return QString(mimeType).replace('/', '-');
}

QByteArray readBounded(const QString& path, qint64 limit) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.size() <= limit ? file.readAll() : QByteArray();
}

// True when the file had to be written.
bool writeIfChanged(const QString& path, const QByteArray& bytes) {
    if (QFileInfo::exists(path) && readBounded(path, bytes.size()) == bytes) return false;
    QDir().mkpath(QFileInfo(path).path());
    return AtomicFile::write(path, bytes);
}

bool removeIfPresent(const QString& path) {
    return QFileInfo::exists(path) && QFile::remove(path);
}

QByteArray mimePackage(const DesktopFileType& type) {
    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeDefaultNamespace(
        QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    w.writeStartElement(QStringLiteral("mime-info"));
    w.writeStartElement(QStringLiteral("mime-type"));
    w.writeAttribute(QStringLiteral("type"), type.mimeType);
    w.writeTextElement(QStringLiteral("comment"), type.description);
    // Scores and playlists are plain text: text editors are offered for them too.
    w.writeEmptyElement(QStringLiteral("sub-class-of"));
    w.writeAttribute(QStringLiteral("type"), QStringLiteral("text/plain"));
    w.writeEmptyElement(QStringLiteral("icon"));
    w.writeAttribute(QStringLiteral("name"), iconNameOf(type.mimeType));
    w.writeEmptyElement(QStringLiteral("glob"));
    w.writeAttribute(QStringLiteral("pattern"), type.pattern);
    w.writeEndDocument();
    return xml;
}

// A value of a desktop entry: backslashes and line breaks escaped.
QString entryValue(const QString& text) {
    QString out;
    for (const QChar c : text) {
        if (c == QLatin1Char('\\'))
            out += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else
            out += c;
    }
    return out;
}

// One argument of an Exec line: the file placeholder becomes %f, anything with a reserved
// character is quoted with ", `, $ and \ escaped inside, and a literal % is doubled.
QString execArgument(const QString& argument) {
    if (argument == DesktopFileType::kFileArgument) return QStringLiteral("%f");
    const QString text = QString(argument).replace(QLatin1Char('%'), QStringLiteral("%%"));
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool quote = text.isEmpty() || std::any_of(text.cbegin(), text.cend(),
                                                     [](QChar c) { return reserved.contains(c); });
    if (!quote) return text;
    QString out = QStringLiteral("\"");
    for (const QChar c : text) {
        if (QStringLiteral("\"`$\\").contains(c)) out += QLatin1Char('\\');
        out += c;
    }
    return out + QLatin1Char('"');
}

QByteArray desktopEntry(const XdgDesktopIntegration::Program& program, const QStringList& command,
                        const QStringList& mimeTypes) {
    QStringList exec;
    for (const QString& argument : command)
        exec << execArgument(argument);
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    text += QStringLiteral("Name=") + entryValue(program.name) + QLatin1Char('\n');
    text += QStringLiteral("Comment=") + entryValue(program.comment) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + entryValue(exec.join(QLatin1Char(' '))) + QLatin1Char('\n');
    text += QStringLiteral("TryExec=") + entryValue(command.value(0)) + QLatin1Char('\n');
    text += QStringLiteral("Icon=") + entryValue(program.desktopId) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\nCategories=AudioVideo;Audio;Music;\n");
    text += QStringLiteral("MimeType=") + mimeTypes.join(QLatin1Char(';')) + QStringLiteral(";\n");
    return text.toUtf8();
}

} // namespace

XdgDesktopIntegration::XdgDesktopIntegration(QString dataHome, Program program, ToolRunner runTool)
    : dataHome_(std::move(dataHome)), program_(std::move(program)), runTool_(std::move(runTool)) {}

QString XdgDesktopIntegration::userDataHome() {
    const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(configured)) return QDir::cleanPath(configured);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

void XdgDesktopIntegration::runInstalledTool(const QString& tool, const QStringList& arguments) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start();
    if (process.waitForStarted() && !process.waitForFinished(kToolTimeoutMs)) {
        process.kill();
        process.waitForFinished();
    }
}

bool XdgDesktopIntegration::placeIcons(const QString& context, const QString& name,
                                       const QByteArray& ico) const {
    bool changed = false;
    QSet<QString> placed;
    const QString file =
        QLatin1Char('/') + context + QLatin1Char('/') + name + QStringLiteral(".png");
    for (const IcoContainer::Frame& frame : IcoContainer::parse(ico)) {
        const QString size = QStringLiteral("%1x%1").arg(frame.width);
        if (!frame.isPng() || frame.width != frame.height || placed.contains(size)) continue;
        placed.insert(size);
        changed |= writeIfChanged(path(kHicolor + QLatin1Char('/') + size + file), frame.data);
    }
    const QStringList sizes = QDir(path(kHicolor)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& size : sizes)
        if (!placed.contains(size))
            changed |= removeIfPresent(path(kHicolor + QLatin1Char('/') + size + file));
    return changed;
}

void XdgDesktopIntegration::apply(const QList<DesktopFileType>& types) {
    bool mimeChanged = false, entryChanged = false, iconsChanged = false;
    QStringList ours;
    QStringList command;
    for (const DesktopFileType& type : types) {
        const QString name = iconNameOf(type.mimeType);
        const QString package =
            path(QStringLiteral("mime/packages/") + name + QStringLiteral(".xml"));
        const bool registered = !type.openCommand.isEmpty();
        mimeChanged |=
            registered ? writeIfChanged(package, mimePackage(type)) : removeIfPresent(package);
        const QByteArray ico =
            registered ? readBounded(type.iconFile, kMaxIconFileSize) : QByteArray();
        iconsChanged |= placeIcons(QStringLiteral("mimetypes"), name, ico);
        if (!registered) continue;
        ours << type.mimeType;
        if (command.isEmpty()) command = type.openCommand;
    }

    const QString entry =
        path(QStringLiteral("applications/") + program_.desktopId + QStringLiteral(".desktop"));
    entryChanged = ours.isEmpty() ? removeIfPresent(entry)
                                  : writeIfChanged(entry, desktopEntry(program_, command, ours));
    iconsChanged |= placeIcons(QStringLiteral("apps"), program_.desktopId,
                               ours.isEmpty() ? QByteArray() : program_.icon);

    if (mimeChanged)
        runTool_(QStringLiteral("update-mime-database"), {path(QStringLiteral("mime"))});
    if (entryChanged)
        runTool_(QStringLiteral("update-desktop-database"), {path(QStringLiteral("applications"))});
    // A user icon cache that exists must be rebuilt, or it hides the new icons.
    if (iconsChanged && QFileInfo::exists(path(kHicolor + QStringLiteral("/icon-theme.cache"))))
        runTool_(QStringLiteral("gtk-update-icon-cache"),
                 {QStringLiteral("-f"), QStringLiteral("-t"), path(kHicolor)});
}
