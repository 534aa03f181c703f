#include "library/ListBar.h"

#include "core/MenuArray.h"
#include "library/ListBox.h"
#include "library/ListPair.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>

namespace {
const QString kCrLf = QStringLiteral("\r\n");

QLabel* verticalCaption(const QStringList& characters, QWidget* parent) {
    auto* label = new QLabel(characters.join(kCrLf), parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedWidth(22);
    label->setCursor(Qt::PointingHandCursor);
    return label;
}
} // namespace

ListBar::ListBar(ListPair& playingList, ListPair& favorites, MenuArray& popup, QMenu* popupMenu,
                 MessageSink& messages, QWidget* picListBar)
    : QWidget(picListBar), pairs_{&playingList, &favorites}, popup_(popup), popupMenu_(popupMenu),
      messages_(messages) {
    captions_[0] = verticalCaption({QStringLiteral("播"), QStringLiteral("放"), QStringLiteral("列"),
                                    QStringLiteral("表")},
                                   this);
    captions_[1] = verticalCaption({QStringLiteral("收"), QStringLiteral("藏"), QStringLiteral("夹")}, this);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(2, 3, 2, 2);
    row->setSpacing(2);
    for (int i = 0; i < 2; ++i) {
        lists_[size_t(i)] = new ListBox(*pairs_[size_t(i)], this);
        ListBox* list = lists_[size_t(i)];
        captions_[size_t(i)]->installEventFilter(this);
        row->addWidget(captions_[size_t(i)]);
        row->addWidget(list, i == 0 ? 3 : 2);
        connect(list, &ListBox::pressed, this, [this, i] { setIntActiveList(i); });
        connect(list, &ListBox::released, this,
                [this, i](Qt::MouseButton button, const QPoint& at) { released(i, button, at); });
        connect(list, &ListBox::playRequested, this, [this, i] {
            setIntActiveList(i);
            playCurrent();
        });
    }
    auto* layout = new QHBoxLayout(picListBar);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
    connect(&popup_, &MenuArray::triggered, this, &ListBar::runPopupItem);
    showActiveCaption();
    // The commands on items start disabled, until a list is clicked.
    const ListCommands::PopupState start = ListCommands::popupState(0, true);
    for (int i = 0; i < ListCommands::popupItemCount; ++i)
        if (MenuItem* item = popup_(i)) item->setEnabled(start.enabled[size_t(i)]);
}

void ListBar::setIntActiveList(int index) {
    if (index != 0 && index != 1) return;
    intActiveList_ = index;
    showActiveCaption();
}

void ListBar::showActiveCaption() {
    for (int i = 0; i < 2; ++i) {
        QFont font = captions_[size_t(i)]->font();
        font.setBold(i == intActiveList_);
        captions_[size_t(i)]->setFont(font);
    }
}

void ListBar::setTooltips(const std::function<QString(const QString&)>& itemText,
                          const QString& idleText) {
    for (ListBox* list : lists_) {
        list->setTooltipText(itemText);
        list->setIdleTooltip(idleText);
    }
}

void ListBar::updatePopup() {
    const ListCommands::PopupState state =
        ListCommands::popupState(intActiveList_, activeList().isEmpty());
    for (int i = 0; i < ListCommands::popupItemCount; ++i) {
        MenuItem* item = popup_(i);
        if (!item) continue;
        item->setVisible(state.visible[size_t(i)]);
        item->setEnabled(state.enabled[size_t(i)]);
    }
}

void ListBar::released(int list, Qt::MouseButton button, const QPoint& globalPos) {
    setIntActiveList(list);
    updatePopup();
    if (button == Qt::RightButton && popupMenu_) popupMenu_->popup(globalPos);
}

bool ListBar::eventFilter(QObject* watched, QEvent* event) {
    // A click on a caption makes its list the active one, as a click into the list does.
    if (event->type() == QEvent::MouseButtonPress) {
        for (int i = 0; i < 2; ++i)
            if (watched == captions_[size_t(i)]) {
                setIntActiveList(i);
                updatePopup();
                lists_[size_t(i)]->setFocus();
            }
    }
    return QWidget::eventFilter(watched, event);
}

QString ListBar::currentEntry() const {
    const ListPair& list = activeList();
    return list.currentRow() >= 0 ? list.entry(list.currentRow()) : QString();
}

void ListBar::playCurrent() {
    const ListPair& list = activeList();
    const int current = list.currentRow();
    if (current < 0 || list.isEmpty() || !list.isSelected(current)) return;
    emit playRequested(list.entry(current));
}

void ListBar::deleteSelected() {
    ListPair& list = activeList();
    if (messages_.show(ListCommands::deleteSelectedQuestion(list)) != MessageAnswer::Ok) return;
    list.removeSelected();
    if (intActiveList_ == 1) emit favoritesDeleted(false);
}

void ListBar::deleteAll() {
    ListPair& list = activeList();
    if (messages_.show(ListCommands::deleteAllQuestion()) != MessageAnswer::Ok) return;
    list.clear();
    if (intActiveList_ == 1)
        emit favoritesDeleted(true);
    else
        emit playingListDeletedAll();
}

void ListBar::runPopupItem(int index) {
    const QString current = currentEntry();
    switch (index) {
    case 0:
        playCurrent();
        break;
    case 2:
        emit searchRequested();
        break;
    case 3:
        emit addFolderRequested();
        break;
    case 4:
        emit addFilesRequested();
        break;
    case 6:
        deleteSelected();
        break;
    case 7:
        deleteAll();
        break;
    case 9:
        emit addToFavoritesRequested();
        break;
    case 10:
        emit savePlaylistRequested();
        break;
    case 11:
        emit openPlaylistRequested();
        break;
    case 13:
        if (!current.isEmpty()) emit propertiesRequested(current);
        break;
    case 14:
        emit organizeFavoritesRequested();
        break;
    case 16:
        if (!current.isEmpty()) emit editRequested(current);
        break;
    default:
        break;
    }
}
