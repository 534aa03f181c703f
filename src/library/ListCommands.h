#pragma once
// The texts and menu rules of the list bar's context menu, apart from any widget.
#include "platform/MessageSink.h"

#include <array>

class ListPair;

namespace ListCommands {
constexpr int popupItemCount = 17;

struct PopupState {
    std::array<bool, popupItemCount> visible{};
    std::array<bool, popupItemCount> enabled{};
};
// Items 8 to 11 only for the playing list, item 14 only for the favorites; the commands that act
// on items are enabled only while the active list has items.
PopupState popupState(int intActiveList, bool listEmpty);

// The question before "删除选中项目(&D)": with one item selected it names that item (its display
// text and entry), otherwise it counts them.
Message deleteSelectedQuestion(const ListPair& list);
Message deleteAllQuestion();
} // namespace ListCommands
