#include "library/ListBar.h"

#include "core/MainMenus.h"
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

ListBar::ListBar(ListPair& playingList, ListPair& favorites, const MainMenus& menus, QMenu* popupMenu,
                 MessageSink& messages, QWidget* picListBar)
    : QWidget(picListBar), pairs_{&playingList, &favorites}, menus_(menus), popupMenu_(popupMenu),
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
    wirePopup();
    showActiveCaption();
    // The commands on items start disabled, until a list is clicked.
    for (MenuEntry entry : MainMenus::entriesOf(Menu::Popup))
        menus_.item(entry)->setEnabled(ListCommands::popupEnables(entry, true));
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
    for (MenuEntry entry : MainMenus::entriesOf(Menu::Popup)) {
        MenuItem* item = menus_.item(entry);
        item->setVisible(ListCommands::popupShows(entry, intActiveList_));
        item->setEnabled(ListCommands::popupEnables(entry, activeList().isEmpty()));
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

void ListBar::wirePopup() {
    const auto on = [this](MenuEntry entry, auto command) {
        connect(menus_.item(entry), &MenuItem::triggered, this, command);
    };
    // The commands on the current item act only when there is one.
    const auto onCurrent = [this, on](MenuEntry entry, void (ListBar::*announce)(const QString&)) {
        on(entry, [this, announce] {
            const QString current = currentEntry();
            if (!current.isEmpty()) emit(this->*announce)(current);
        });
    };
    on(MenuEntry::PopupPlay, &ListBar::playCurrent);
    on(MenuEntry::PopupSearch, &ListBar::searchRequested);
    on(MenuEntry::PopupAddFolder, &ListBar::addFolderRequested);
    on(MenuEntry::PopupAddFiles, &ListBar::addFilesRequested);
    on(MenuEntry::PopupDeleteSelected, &ListBar::deleteSelected);
    on(MenuEntry::PopupDeleteAll, &ListBar::deleteAll);
    on(MenuEntry::PopupAddToFavorites, &ListBar::addToFavoritesRequested);
    on(MenuEntry::PopupSavePlaylist, &ListBar::savePlaylistRequested);
    on(MenuEntry::PopupOpenPlaylist, &ListBar::openPlaylistRequested);
    onCurrent(MenuEntry::PopupProperties, &ListBar::propertiesRequested);
    on(MenuEntry::PopupOrganizeFavorites, &ListBar::organizeFavoritesRequested);
    onCurrent(MenuEntry::PopupEditScore, &ListBar::editRequested);
}
