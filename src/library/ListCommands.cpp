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

PopupState popupState(int intActiveList, bool listEmpty) {
    PopupState state;
    state.visible.fill(true);
    state.enabled.fill(true);
    const bool playingList = intActiveList == 0;
    for (int i = 8; i <= 11; ++i)
        state.visible[i] = playingList;
    state.visible[14] = !playingList;
    for (int i : {0, 6, 7, 9, 10, 13, 14, 16})
        state.enabled[i] = !listEmpty;
    return state;
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
