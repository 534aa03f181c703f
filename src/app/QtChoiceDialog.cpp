#include "app/QtChoiceDialog.h"

#include <QInputDialog>

int QtChoiceDialog::choose(const QString& title, const QString& prompt, const QStringList& items,
                           int preselected) {
    bool ok = false;
    const QString picked =
        QInputDialog::getItem(owner_, title, prompt, items, preselected, false, &ok);
    return ok ? int(items.indexOf(picked)) : -1;
}
