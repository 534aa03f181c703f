#pragma once
// The desktop's file dialogs, owned by the main window once it exists.
#include "platform/FileDialogs.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QtFileDialogs : public FileDialogs {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    QString getSaveFileName(const QString& title, const QString& filter,
                            const QString& defaultSuffix) override;
    QStringList getOpenFileNames(const QString& title, const QString& filter,
                                 bool multiple) override;
    QString getExistingDirectory(const QString& title, const QString& startFolder) override;

    // "desc|pattern|desc|pattern" as Qt's name filters; a description that does not show its
    // patterns in parentheses gets them appended.
    static QStringList nameFilters(const QString& filter);
    // The suffix of a name filter's first pattern ("MIDI 文件(*.mid)" gives "mid"); "" when it
    // has none ("*.*").
    static QString suffixOf(const QString& nameFilter);

private:
    QPointer<QWidget> owner_;
};
