#include "settings/CRegeditExpanded.h"

#include "settings/RegistryCommand.h"

#include <QFileInfo>

namespace {

const QString kOpenCommandKey = QStringLiteral("\\Shell\\open\\Command");

QString applicationKey(const QString& programPath) {
    return QStringLiteral("Applications\\") + QFileInfo(programPath).fileName();
}

QString verbKey(const QString& root, const QString& verbName) {
    return root + QStringLiteral("\\Shell\\") + verbName;
}

} // namespace

CRegeditExpanded::CRegeditExpanded(CRegedit& registry, std::function<void()> associationsChanged)
    : registry_(registry), associationsChanged_(std::move(associationsChanged)) {}

// Failing writes are passed over: the next step runs anyway, as with a registry without rights.
void CRegeditExpanded::writeTypeLayout(const QString& root, bool setIcon, const QString& iconPath,
                                       bool addVerb, const QString& verbName,
                                       const QString& openCommand, const QString& verbCommand) {
    registry_.setString_(root + kOpenCommandKey, {}, openCommand);
    if (setIcon && !iconPath.isEmpty())
        registry_.setString_(root + QStringLiteral("\\DefaultIcon"), {}, iconPath);
    if (addVerb && !verbName.isEmpty()) {
        registry_.CreateKey_(verbKey(root, verbName));
        registry_.setString_(verbKey(root, verbName) + QStringLiteral("\\Command"), {},
                             verbCommand);
    }
}

void CRegeditExpanded::setAssociatedApp_(const QString& sExtension_, const QString& sTypeName_,
                                         const QString& sAppPath_, bool blnSetIcon_,
                                         const QString& sIconPath_, bool blnAddVerb_,
                                         const QString& sVerbName_, bool blnRegisterApp_,
                                         const QString& sOpenCommand_,
                                         const QString& sVerbCommand_) {
    const QString openCommand =
        sOpenCommand_.isEmpty() ? RegistryCommand::forProgram(sAppPath_) : sOpenCommand_;
    const QString verbCommand = sVerbCommand_.isEmpty() ? openCommand : sVerbCommand_;

    {
        const CRegedit::Batch batch(registry_);
        registry_.setString_(sExtension_, {}, sTypeName_);
        registry_.setString_(sTypeName_, {}, sTypeName_);
        writeTypeLayout(sTypeName_, blnSetIcon_, sIconPath_, blnAddVerb_, sVerbName_, openCommand,
                        verbCommand);
        if (blnRegisterApp_) {
            registry_.CreateKey_(applicationKey(sAppPath_));
            writeTypeLayout(applicationKey(sAppPath_), blnSetIcon_, sIconPath_, blnAddVerb_,
                            sVerbName_, openCommand, verbCommand);
        }
    }
    RefreshAssociatedIcon_();
}

// Deletion failures (a key missing, or one that still has subkeys) are passed over.
void CRegeditExpanded::deleteTypeLayout(const QString& root, bool icon, bool verb,
                                        const QString& verbName) {
    if (verb) {
        registry_.DeleteSubKey_(verbKey(root, verbName) + QStringLiteral("\\Command"), {});
        registry_.DeleteSubKey_(verbKey(root, verbName), {});
    }
    if (icon) registry_.DeleteSubKey_(root + QStringLiteral("\\DefaultIcon"), {});
    registry_.DeleteSubKey_(root + kOpenCommandKey, {});
    registry_.DeleteSubKey_(root + QStringLiteral("\\Shell\\open"), {});
    registry_.DeleteSubKey_(root + QStringLiteral("\\Shell"), {});
    registry_.DeleteSubKey_(root, {});
}

void CRegeditExpanded::UnsetAssociatedApp_(const QString& sExtension_, const QString& sTypeName_,
                                           const QString& sAppPath_, bool blnIcon_, bool blnVerb_,
                                           const QString& sVerbName_, bool blnApp_) {
    {
        const CRegedit::Batch batch(registry_);
        if (registry_.getString_(sExtension_, {}) == sTypeName_)
            registry_.DeleteSubKey_(sExtension_, {});
        deleteTypeLayout(sTypeName_, blnIcon_, blnVerb_, sVerbName_);
        if (blnApp_) deleteTypeLayout(applicationKey(sAppPath_), blnIcon_, blnVerb_, sVerbName_);
    }
    RefreshAssociatedIcon_();
}

// Programs here carry no ".exe": the name is the file name of the command's first argument as
// it stands, so that a program without any "." in its name still counts as registered.
QString CRegeditExpanded::getAssociatedAppName_(const QString& sExtension_, QString* sCommand_,
                                                bool blnUpperCase_) const {
    const QString progId = registry_.getString_(sExtension_, {});
    const QString command =
        progId.isEmpty() ? QString() : registry_.getString_(progId + kOpenCommandKey, {});
    if (sCommand_) *sCommand_ = command;
    const QString program = RegistryCommand::split(command).value(0);
    const qsizetype cut =
        std::max(program.lastIndexOf(QLatin1Char('/')), program.lastIndexOf(QLatin1Char('\\')));
    QString name = program.mid(cut + 1).remove(QLatin1Char('"'));
    return blnUpperCase_ ? name.toUpper() : name;
}

void CRegeditExpanded::RefreshAssociatedIcon_() {
    if (associationsChanged_) associationsChanged_();
}
