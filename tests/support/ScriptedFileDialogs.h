#pragma once
// File dialogs that record every question and answer with scripted paths (empty: cancelled).
#include "platform/FileDialogs.h"

#include <QList>
#include <QStringList>

class ScriptedFileDialogs : public FileDialogs {
public:
    struct Question {
        QString title, filter, defaultSuffix;
    };

    QString getSaveFileName(const QString& title, const QString& filter,
                            const QString& defaultSuffix) override {
        asked.append({title, filter, defaultSuffix});
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }

    QList<Question> asked;
    QStringList answers;

    QString getExistingDirectory(const QString& title, const QString& startFolder) override {
        foldersAsked.append({title, startFolder});
        return folderAnswers.isEmpty() ? QString() : folderAnswers.takeFirst();
    }

    struct FolderQuestion {
        QString title, startFolder;
    };
    QList<FolderQuestion> foldersAsked;
    QStringList folderAnswers;
};
