#include "library/frmOrganizeFav.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace {
const QString kMissing = QStringLiteral("（文件不存在！）");
} // namespace

frmOrganizeFav::frmOrganizeFav(ListPair& favorites, FavoritesMenu& menu, MessageSink& messages,
                               const QString& favoritesFile, QWidget* owner)
    : QDialog(owner), organizer_(favorites, menu, messages, favoritesFile) {
    setWindowTitle(QStringLiteral("整理收藏夹"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (owner) setWindowIcon(owner->windowIcon());

    lstFavName = new QListWidget(this);
    lstFavName->setMinimumSize(220, 220);
    auto* fields = new QFormLayout;
    for (int i = 0; i < 2; ++i) {
        txtFileName[i] = new QLineEdit(this);
        txtFileName[i]->setMinimumWidth(300);
        // The tooltip is the box's own text, so that a long path can be read whole.
        connect(txtFileName[i], &QLineEdit::textChanged, txtFileName[i], &QWidget::setToolTip);
    }
    txtFileName[1]->setReadOnly(true);
    fields->addRow(QStringLiteral("名称:"), txtFileName[0]);
    fields->addRow(QStringLiteral("路径:"), txtFileName[1]);

    btnUp = button(QStringLiteral("上移(&U)"), &frmOrganizeFav::moveUp);
    btnDown = button(QStringLiteral("下移(&L)"), &frmOrganizeFav::moveDown);
    btnDelete = button(QStringLiteral("删除(&D)"), &frmOrganizeFav::deleteSelected);
    btnDelErrFile = button(QStringLiteral("清除错误文件(&E)"), &frmOrganizeFav::deleteMissingFiles);
    btnOk = button(QStringLiteral("确定(&O)"), &frmOrganizeFav::confirm);
    btnCancel = button(QStringLiteral("取消(&C)"), &frmOrganizeFav::reject);
    btnOk->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addLayout(fields);
    auto* edits = new QHBoxLayout;
    for (QPushButton* b : {btnUp, btnDown, btnDelete, btnDelErrFile})
        edits->addWidget(b);
    side->addLayout(edits);
    side->addStretch();
    auto* ends = new QHBoxLayout;
    ends->addStretch();
    ends->addWidget(btnOk);
    ends->addWidget(btnCancel);
    side->addLayout(ends);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(lstFavName);
    layout->addLayout(side, 1);

    // A selection moved with the keys shows its favorite too; a click also puts the focus into
    // the name box.
    connect(lstFavName, &QListWidget::currentRowChanged, this, &frmOrganizeFav::rowChanged);
    connect(lstFavName, &QListWidget::itemClicked, this, &frmOrganizeFav::focusName);
    connect(txtFileName[0], &QLineEdit::textEdited, this, &frmOrganizeFav::nameEdited);
    showItems();
}

QPushButton* frmOrganizeFav::button(const QString& caption, void (frmOrganizeFav::*handler)()) {
    auto* b = new QPushButton(caption, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, handler);
    return b;
}

void frmOrganizeFav::showItems() {
    {
        const QSignalBlocker quiet(lstFavName);
        lstFavName->clear();
        lstFavName->addItems(organizer_.lstFavName());
        lstFavName->setCurrentRow(organizer_.selected());
    }
    const bool any = !organizer_.isEmpty();
    for (QPushButton* b : {btnUp, btnDown, btnDelete, btnDelErrFile})
        b->setEnabled(any);
    showSelected();
}

void frmOrganizeFav::showSelected() {
    const int i = organizer_.selected();
    if (i < 0) {
        txtFileName[0]->clear();
        txtFileName[1]->clear();
        return;
    }
    txtFileName[0]->setText(organizer_.lstFavName().at(i));
    txtFileName[0]->selectAll();
    const bool exists = organizer_.selectedFileExists();
    QPalette palette = txtFileName[1]->palette();
    palette.setColor(QPalette::Text,
                     exists ? QApplication::palette(txtFileName[1]).color(QPalette::Text)
                            : QColor(Qt::red));
    txtFileName[1]->setPalette(palette);
    txtFileName[1]->setText(organizer_.selectedEntry() + (exists ? QString() : kMissing));
}

void frmOrganizeFav::rowChanged(int row) {
    organizer_.select(row);
    showSelected();
}

void frmOrganizeFav::focusName() {
    txtFileName[0]->selectAll();
    txtFileName[0]->setFocus();
}

void frmOrganizeFav::nameEdited(const QString& text) {
    organizer_.rename(text);
    if (QListWidgetItem* item = lstFavName->item(organizer_.selected()); item && !text.isEmpty())
        item->setText(text);
}

void frmOrganizeFav::moveUp() {
    organizer_.moveUp();
    showItems();
    focusName();
}

void frmOrganizeFav::moveDown() {
    organizer_.moveDown();
    showItems();
    focusName();
}

void frmOrganizeFav::deleteSelected() {
    if (organizer_.deleteSelected()) showItems();
}

void frmOrganizeFav::deleteMissingFiles() {
    organizer_.deleteMissingFiles();
    showItems();
}

void frmOrganizeFav::confirm() {
    organizer_.confirm(txtFileName[0]->text());
    accept();
}
