#pragma once
// A question answered by choosing one entry of a list (which track or part of a file to import),
// as the logic sees it.
#include <QString>
#include <QStringList>

class ChoiceDialog {
public:
    virtual ~ChoiceDialog() = default;
    // The position in `items` the user chose, `preselected` offered first; -1 on cancel.
    virtual int choose(const QString& title, const QString& prompt, const QStringList& items,
                       int preselected) = 0;
};
