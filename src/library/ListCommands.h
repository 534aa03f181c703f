#pragma once
// The texts and menu rules of the list bar's context menu, apart from any widget.
#include "core/MenuEntries.h"
#include "platform/MessageSink.h"

class ListPair;

namespace ListCommands {
// Whether the context menu shows `entry` for the active list: the playlist entries only for the
// playing list, organising only for the favorites.
bool popupShows(MenuEntry entry, int intActiveList);
// Whether `entry` is enabled: the commands that act on items only while the active list has some.
bool popupEnables(MenuEntry entry, bool listEmpty);

// The question before "删除选中项目(&D)": with one item selected it names that item (its display
// text and entry), otherwise it counts them.
Message deleteSelectedQuestion(const ListPair& list);
Message deleteAllQuestion();
} // namespace ListCommands
