#include "platform/QtFileDialogs.h"

#include "platform/DialogOwner.h"

#include <QFileDialog>

QStringList QtFileDialogs::nameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns =
            parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        const QString& description = parts[i];
        filters << (description.contains(QLatin1Char('('))
                        ? description
                        : QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return filters;
}

QString QtFileDialogs::suffixOf(const QString& nameFilter) {
    const qsizetype open = nameFilter.lastIndexOf(QLatin1Char('('));
    const QString patterns =
        nameFilter.mid(open + 1).chopped(nameFilter.endsWith(QLatin1Char(')')) ? 1 : 0);
    const QString first = patterns.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    const QString suffix = first.section(QLatin1Char('.'), 1);
    return first.startsWith(QLatin1String("*.")) && !suffix.contains(QLatin1Char('*')) ? suffix
                                                                                       : QString();
}

QString QtFileDialogs::getSaveFileName(const QString& title, const QString& filter,
                                       const QString& defaultSuffix) {
    QFileDialog dialog(DialogOwner::ownerFor(owner_), title);
    DialogOwner::keepInFront(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(nameFilters(filter));
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without a suffix takes that of the file type chosen, so that the type chosen
    // is the type written.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, defaultSuffix](const QString& nameFilter) {
                         const QString suffix = suffixOf(nameFilter);
                         dialog.setDefaultSuffix(suffix.isEmpty() ? defaultSuffix : suffix);
                     });
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

QStringList QtFileDialogs::getOpenFileNames(const QString& title, const QString& filter,
                                            bool multiple) {
    QFileDialog dialog(DialogOwner::ownerFor(owner_), title);
    DialogOwner::keepInFront(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    dialog.setNameFilters(nameFilters(filter));
    if (dialog.exec() != QDialog::Accepted) return {};
    return dialog.selectedFiles();
}

QString QtFileDialogs::getExistingDirectory(const QString& title, const QString& startFolder) {
    QFileDialog dialog(DialogOwner::ownerFor(owner_), title, startFolder);
    DialogOwner::keepInFront(dialog);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (dialog.exec() != QDialog::Accepted) return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}
