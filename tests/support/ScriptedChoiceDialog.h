#pragma once
// Answers the list question with a given position and remembers what it was offered.
#include "platform/ChoiceDialog.h"

class ScriptedChoiceDialog : public ChoiceDialog {
public:
    int choose(const QString& title, const QString&, const QStringList& items, int preselected) override {
        askedTitle = title;
        offered = items;
        offeredFirst = preselected;
        return answer;
    }
    int answer = -1;
    QString askedTitle;
    QStringList offered;
    int offeredFirst = -2;
};
