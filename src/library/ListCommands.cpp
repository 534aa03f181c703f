#include "library/ListCommands.h"

#include "library/ListPair.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

Message deleteQuestion(const QString& text) {
    Message m;
    m.text = text;
    m.title = QStringLiteral("确认删除");
    m.icon = MessageIcon::Warning;
    m.buttons = MessageButtons::OkCancel;
    m.cancelIsDefault = true;
    return m;
}
} // namespace

namespace ListCommands {

bool popupShows(MenuEntry entry, int intActiveList) {
    switch (entry) {
    case MenuEntry::PopupPlaylistSeparator:
    case MenuEntry::PopupAddToFavorites:
    case MenuEntry::PopupSavePlaylist:
    case MenuEntry::PopupOpenPlaylist:
        return intActiveList == 0;
    case MenuEntry::PopupOrganizeFavorites:
        return intActiveList != 0;
    default:
        return true;
    }
}

bool popupEnables(MenuEntry entry, bool listEmpty) {
    switch (entry) {
    case MenuEntry::PopupPlay:
    case MenuEntry::PopupDeleteSelected:
    case MenuEntry::PopupDeleteAll:
    case MenuEntry::PopupAddToFavorites:
    case MenuEntry::PopupSavePlaylist:
    case MenuEntry::PopupProperties:
    case MenuEntry::PopupOrganizeFavorites:
    case MenuEntry::PopupEditScore:
        return !listEmpty;
    default:
        return true;
    }
}

Message deleteSelectedQuestion(const ListPair& list) {
    QString text = QStringLiteral("您确定要删除所选项目吗？此操作不会删除硬盘上的文件！") + kCrLf;
    const QList<int> selected = list.selectedRows();
    // The item named is the one that is selected, which need not be the current one.
    if (selected.size() == 1)
        text += list.displayText(selected[0]) + kCrLf + list.entry(selected[0]);
    else
        text += QStringLiteral("删除 ") + QString::number(selected.size()) +
                QStringLiteral(" 个项目！");
    return deleteQuestion(text);
}

Message deleteAllQuestion() {
    return deleteQuestion(QStringLiteral("您确定要删除全部项目吗？此操作不会删除硬盘上的文件！"));
}

} // namespace ListCommands
