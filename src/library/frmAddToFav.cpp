#include "library/frmAddToFav.h"

#include "library/FavoritesMenu.h"
#include "library/ListPair.h"
#include "library/RememberPositionSetting.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

frmAddToFav::frmAddToFav(const QString& settingsPath, ListPair& favorites, FavoritesMenu& menu,
                         RowSource currentRow, QWidget* owner)
    : QDialog(owner), settingsPath_(settingsPath), favorites_(favorites), menu_(menu),
      currentRow_(std::move(currentRow)) {
    setWindowTitle(QStringLiteral("添加收藏"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    if (owner) setWindowIcon(owner->windowIcon());

    fraName = new QGroupBox(QStringLiteral("请选择一个快捷方式名称："), this);
    cmbFavName = new QComboBox(fraName);
    cmbFavName->setEditable(true);
    // Choosing the path from the list must not add what was typed as a third item.
    cmbFavName->setInsertPolicy(QComboBox::NoInsert);
    cmbFavName->setMinimumWidth(320);
    cmbFavName->setEditText(QStringLiteral("收藏名称"));
    auto* frame = new QVBoxLayout(fraName);
    frame->addWidget(cmbFavName);

    chkRemenber = new QCheckBox(QStringLiteral("记住播放位置"), this);
    chkRemenber->setChecked(RememberPositionSetting::read(settingsPath_));
    btnOk = new QPushButton(QStringLiteral("确定"), this);
    btnCancel = new QPushButton(QStringLiteral("取消"), this);
    btnOk->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(fraName);
    auto* row = new QHBoxLayout;
    row->addWidget(chkRemenber);
    row->addStretch();
    row->addWidget(btnOk);
    row->addWidget(btnCancel);
    layout->addLayout(row);

    tmrSetFocus.setSingleShot(true);
    tmrSetFocus.setInterval(0);
    connect(&tmrSetFocus, &QTimer::timeout, cmbFavName, [this] { cmbFavName->setFocus(); });
    connect(cmbFavName, &QComboBox::editTextChanged, this,
            [this](const QString& text) { btnOk->setEnabled(!text.isEmpty()); });
    connect(chkRemenber, &QCheckBox::clicked, this, &frmAddToFav::rememberClicked);
    connect(btnOk, &QPushButton::clicked, this, &frmAddToFav::confirm);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmAddToFav::setDraft(const AddFavoriteDraft& draft) {
    draft_ = draft;
    cmbFavName->clear();
    cmbFavName->addItem(draft.name());
    cmbFavName->addItem(draft.path());
    cmbFavName->setCurrentIndex(0);
    cmbFavName->setEditText(draft.name());
    btnOk->setEnabled(!draft.name().isEmpty());
    chkRemenber->setVisible(draft.rememberVisible());
}

void frmAddToFav::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    tmrSetFocus.start();
}

void frmAddToFav::rememberClicked(bool checked) {
    cmbFavName->setEditText(draft_.nameAfterToggle(cmbFavName->currentText(), checked));
}

void frmAddToFav::confirm() {
    const QString name = cmbFavName->currentText();
    if (name.isEmpty()) return;
    // A hidden box never remembers, whatever its stored value.
    const bool remember = chkRemenber->isChecked() && !chkRemenber->isHidden();
    const QString entry = draft_.entryOnOk(remember, currentRow_ ? currentRow_() : 0);
    const int before = favorites_.count();
    favorites_.AddListEntry(entry, name, ListPair::DuplicateTest::OnDisplayNames);
    if (favorites_.count() > before) menu_.favoriteAdded();
    accept();
}

void frmAddToFav::done(int result) {
    RememberPositionSetting::write(settingsPath_, chkRemenber->isChecked());
    QDialog::done(result);
}
