#include "settings/FileAssociations.h"

#include "core/VersionInfo.h"
#include "platform/AtomicFile.h"
#include "settings/CRegeditExpanded.h"
#include "settings/RegistryCommand.h"

#include <QDir>

namespace {

struct KnownType {
    const QString& extension;
    const QString& typeName;
};

const QString kMimePrefix = QStringLiteral("application/x-tonvale-");
const QString kStoreFile = QStringLiteral("文件关联");
const QString kStoreExtension = QStringLiteral(".Reg");

} // namespace

FileAssociations::FileAssociations(Environment environment, DesktopIntegration& desktop)
    : environment_(std::move(environment)), desktop_(desktop) {}

QString FileAssociations::storePath() const {
    return environment_.paths.iniFile(kStoreFile, kStoreExtension);
}

QString FileAssociations::iconPath(const QString& fileName) const {
    return environment_.paths.iconFolder() + QDir::separator() + fileName;
}

void FileAssociations::ApplyAssociation(bool blnEnable, const QString& sExtension,
                                        const QString& sTypeName, const QString& sIconPath,
                                        int intPictureResource) {
    const QString iconFile =
        sIconPath.isEmpty() ? iconPath(QStringLiteral("piano.ico")) : sIconPath;
    const QString& program = environment_.programPath;
    CRegedit registry(storePath());
    CRegeditExpanded expanded(registry, [this, &registry] { refreshDesktop(registry); });

    if (!blnEnable) {
        expanded.UnsetAssociatedApp_(sExtension, sTypeName, program, true, true, kVerbName, true);
        return;
    }
    const bool iconThere = PathExists(iconFile);
    if (!expanded.getAssociatedAppName_(sExtension, nullptr, true).isEmpty() && iconThere) return;
    // An icon that cannot be written (no ICON folder) is passed over: the type then points at a
    // missing file and is registered again at the next start.
    if (!iconThere)
        AtomicFile::write(iconFile, EmbeddedIconBytes(intPictureResource ? intPictureResource
                                                                        : kScoreIconResource));
    // Without a text editor on the desktop there is nothing for the edit verb to start.
    const QString& editor = environment_.textEditor;
    expanded.setAssociatedApp_(sExtension, sTypeName, program, true, iconFile, !editor.isEmpty(),
                               kVerbName, true, {},
                               editor.isEmpty() ? QString() : RegistryCommand::forProgram(editor));
}

void FileAssociations::applyOptions(const std::array<bool, 2>& blnAssociate) {
    ApplyAssociation(blnAssociate[0], kScoreExtension, kScoreTypeName, {}, 0);
    ApplyAssociation(blnAssociate[1], kPlaylistExtension, kPlaylistTypeName,
                     iconPath(QStringLiteral("playList.ico")), kPlaylistIconResource);
}

// A type is ours on the desktop exactly while its extension names our type in the store.
void FileAssociations::refreshDesktop(const CRegedit& registry) {
    QList<DesktopFileType> types;
    for (const KnownType& known : {KnownType{kScoreExtension, kScoreTypeName},
                                   KnownType{kPlaylistExtension, kPlaylistTypeName}}) {
        DesktopFileType type{kMimePrefix + known.extension.mid(1).toLower(),
                             QLatin1Char('*') + known.extension.toLower(),
                             known.typeName,
                             {},
                             {}};
        if (registry.getString_(known.extension, {}) == known.typeName) {
            type.iconFile =
                registry.getString_(known.typeName + QStringLiteral("\\DefaultIcon"), {});
            for (const QString& argument : RegistryCommand::split(registry.getString_(
                     known.typeName + QStringLiteral("\\Shell\\open\\Command"), {})))
                type.openCommand << (argument == RegistryCommand::kFileArgument
                                         ? DesktopFileType::kFileArgument
                                         : argument);
        }
        types.append(type);
    }
    desktop_.apply(types);
}

DesktopProgram FileAssociations::desktopProgram() {
    return {QStringLiteral("tonvale"), QString::fromUtf8(VersionInfo::productName),
            QString::fromUtf8(VersionInfo::fileDescription), EmbeddedIconBytes(kScoreIconResource)};
}
