#pragma once
// One list of the list bar: the entries (full paths, possibly with a position suffix) and their
// display texts, kept item for item aligned, with the selection and current item a list view
// shows. A view shows it directly: setModel(pair) and setSelectionModel(pair->selectionModel()).
#include <QAbstractListModel>
#include <QHash>
#include <QItemSelectionModel>
#include <QStringList>

class ListPair : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { EntryRole = Qt::UserRole + 1 };
    enum class DuplicateTest { OnDisplayNames, OnEntries };

    explicit ListPair(QObject* parent = nullptr);

    // Adds `entry` unless it is empty, a duplicate (true is returned, nothing added), or neither a
    // score nor an entry with a position suffix (false, nothing added). An empty `displayName`
    // gets the generated text: "n.  name" (one blank from n = 10 on), and " *row" for a suffix.
    bool AddListEntry(const QString& entry, const QString& displayName, DuplicateTest test);
    // AddListEntry(entry, QString(), OnEntries) for each of `entries` in turn, as one insertion,
    // so that a view lays out once for a whole batch of found files. Returns how many were added.
    int AddListEntries(const QStringList& entries);

    int count() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.isEmpty(); }
    QString entry(int row) const { return entries_.value(row); }
    QString displayText(int row) const { return displays_.value(row); }
    const QStringList& entries() const { return entries_; }
    const QStringList& displayTexts() const { return displays_; }
    bool containsEntry(const QString& entry) const { return entryCounts_.contains(entry); }
    bool containsDisplayText(const QString& text) const { return displayCounts_.contains(text); }

    QItemSelectionModel* selectionModel() { return &selection_; }
    // -1 when the list has no current item.
    int currentRow() const;
    // Makes `row` the current item without touching the selection; ignored when out of range.
    void setCurrentRow(int row);
    bool isSelected(int row) const;
    QList<int> selectedRows() const; // ascending
    int selectedCount() const;
    void clearSelection();
    // Deselects everything, then selects and makes current `row` (when it is an item).
    void selectOnly(int row);
    // What a right-click does after moving the current item: with fewer than two items selected
    // the current one becomes the only selected item; a multiple selection is kept.
    void selectCurrentUnlessMultiple();
    // Deselects every item and selects each whose entry equals `entry` exactly. Returns the index
    // of the last match, or -1 when none matched.
    int selectEntry(const QString& entry);

    void removeAt(int row);
    // Removes every selected item; returns how many went.
    int removeSelected();
    // Removes, from the last to the first, every item whose file (position suffix dropped) does
    // not exist; returns how many went.
    int removeMissingFiles();
    void clear();
    // Swaps item `row` with its neighbour above or below; false when it has none.
    bool moveUp(int row);
    bool moveDown(int row);
    // An empty text is refused: every item always shows something.
    bool setDisplayText(int row, const QString& text);

    // QAbstractListModel
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    // After every change of the items (not of the selection).
    void changed();

private:
    static bool isListable(const QString& entry);
    // The text of an entry that becomes item number `position` + 1.
    static QString generatedText(const QString& entry, qsizetype position);
    void insertItem(const QString& entry, const QString& display);
    // Between beginInsertRows and endInsertRows.
    void appendItem(const QString& entry, const QString& display);
    void removeRange(int first, int last);
    bool moveRow(int from, int to);
    static void countIn(QHash<QString, int>& counts, const QString& key, int delta);

    QStringList entries_;
    QStringList displays_;
    // How often each entry and display text occurs, so that the duplicate tests stay fast for
    // lists of many thousand items.
    QHash<QString, int> entryCounts_;
    QHash<QString, int> displayCounts_;
    QItemSelectionModel selection_;
};
