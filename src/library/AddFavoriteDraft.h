#pragma once
// What the add-to-favorites dialog offers and stores: the proposed name, the path, and the
// " *row" tag the remember-position box adds to the name and to the stored entry.
#include <QString>

class AddFavoriteDraft {
public:
    // For the score being played: the name is its file name, with " *row" when the position is
    // remembered.
    static AddFavoriteDraft forPlayingScore(const QString& strPlayingFile, qint32 lngCurrentRow,
                                            bool remember);
    // For an item of the playing list. Only the score being played (without a suffix) can
    // remember a position; for any other item the box is hidden and the entry stored as it is.
    static AddFavoriteDraft forListItem(const QString& entry, const QString& strPlayingFile,
                                        qint32 lngCurrentRow, bool remember);

    QString name() const { return name_; }
    QString path() const { return path_; }
    QString tag() const { return tag_; }
    bool rememberVisible() const { return rememberVisible_; }

    // The name after the box was clicked: checking appends the tag once; unchecking removes it
    // when the name ends in it (a name the user has edited otherwise keeps every character).
    QString nameAfterToggle(const QString& name, bool checked) const;
    // The entry to store on OK, with the position at the moment OK is pressed.
    QString entryOnOk(bool checked, qint32 lngCurrentRow) const;

private:
    QString name_;
    QString path_;
    QString tag_;
    bool rememberVisible_ = true;
};
