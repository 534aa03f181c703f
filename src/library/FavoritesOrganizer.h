#pragma once
// What the favorites organiser does, apart from its widgets. It keeps its own copy of the display
// names, in which renames wait until OK, while moves and deletions change the favorites at once.
// Every index outside the list is ignored.
#include "platform/MessageSink.h"

#include <QStringList>

class FavoritesMenu;
class ListPair;

class FavoritesOrganizer {
public:
    FavoritesOrganizer(ListPair& favorites, FavoritesMenu& menu, MessageSink& messages,
                       const QString& favoritesFile);

    // The names the organiser lists (renames included) and the selected one, -1 for none.
    const QStringList& lstFavName() const { return names_; }
    int selected() const { return selected_; }
    bool isEmpty() const { return names_.isEmpty(); }
    void select(int index);
    // The entry of the selected favorite, and whether its file (position suffix dropped) exists.
    QString selectedEntry() const;
    bool selectedFileExists() const;

    // The name box changed: a non-empty text renames the selected item of the list, not yet the
    // favorite.
    void rename(const QString& text);
    void moveUp();
    void moveDown();
    // Ask first; true when something was deleted.
    bool deleteSelected();
    bool deleteMissingFiles();
    // OK with the text of the name box: an empty box applies no rename at all.
    void confirm(const QString& nameText);

private:
    void move(int to);
    void removeFavorite(int index);
    void afterDeletion(int index);

    ListPair& favorites_;
    FavoritesMenu& menu_;
    MessageSink& messages_;
    QString favoritesFile_;
    QStringList names_;
    int selected_ = -1;
};
