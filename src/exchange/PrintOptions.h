#pragma once
// What a person chooses before a score goes to paper or to a PDF: the paper, and whether the
// computer keys stand under the notes.
#include <QPageLayout>

struct PrintOptions {
    bool keyNames = true;
    QPageLayout pageLayout = defaultPageLayout();

    // A4 portrait with margins of 15 mm.
    static QPageLayout defaultPageLayout() {
        return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    }
};
