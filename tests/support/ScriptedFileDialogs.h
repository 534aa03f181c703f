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

    QStringList getOpenFileNames(const QString& title, const QString& filter,
                                 bool multiple) override {
        openAsked.append({title, filter, multiple});
        return openAnswers.isEmpty() ? QStringList() : openAnswers.takeFirst();
    }

    QList<Question> asked;
    QStringList answers;

    struct OpenQuestion {
        QString title, filter;
        bool multiple = false;
    };
    QList<OpenQuestion> openAsked;
    // One list of chosen paths per open dialog; an empty list is a cancel.
    QList<QStringList> openAnswers;

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
