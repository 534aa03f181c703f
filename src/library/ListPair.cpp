#include "library/ListPair.h"

#include "core/AppPaths.h"
#include "library/ListEntry.h"
#include "core/FileTypes.h"

#include <QSet>

ListPair::ListPair(QObject* parent) : QAbstractListModel(parent), selection_(this) {}

bool ListPair::AddListEntry(const QString& entry, const QString& displayName, DuplicateTest test) {
    if (entry.isEmpty()) return false;
    const bool duplicate =
        test == DuplicateTest::OnEntries ? containsEntry(entry) : containsDisplayText(displayName);
    if (duplicate) return true;
    if (!isListable(entry)) return false;
    insertItem(entry, displayName.isEmpty() ? generatedText(entry, count()) : displayName);
    return false;
}

int ListPair::AddListEntries(const QStringList& entries) {
    QStringList fresh;
    QSet<QString> seen;
    seen.reserve(entries.size());
    for (const QString& entry : entries) {
        if (entry.isEmpty() || containsEntry(entry) || seen.contains(entry) || !isListable(entry))
            continue;
        seen.insert(entry);
        fresh.append(entry);
    }
    if (fresh.isEmpty()) return 0;
    const int first = count();
    entryCounts_.reserve(entryCounts_.size() + fresh.size());
    displayCounts_.reserve(displayCounts_.size() + fresh.size());
    beginInsertRows(QModelIndex(), first, first + int(fresh.size()) - 1);
    for (const QString& entry : std::as_const(fresh))
        appendItem(entry, generatedText(entry, count()));
    endInsertRows();
    emit changed();
    return int(fresh.size());
}

bool ListPair::isListable(const QString& entry) {
    return IsScoreFile(entry) || ListEntry::split(entry).hasRow;
}

QString ListPair::generatedText(const QString& entry, qsizetype position) {
    const ListEntry parts = ListEntry::split(entry);
    QString text = QString::number(position + 1) +
                   (position < 9 ? QStringLiteral(".  ") : QStringLiteral(". ")) +
                   parts.baseName();
    if (parts.hasRow) text += QLatin1Char(' ') + parts.suffix;
    return text;
}

void ListPair::insertItem(const QString& entry, const QString& display) {
    const int row = count();
    beginInsertRows(QModelIndex(), row, row);
    appendItem(entry, display);
    endInsertRows();
    emit changed();
}

void ListPair::appendItem(const QString& entry, const QString& display) {
    entries_.append(entry);
    displays_.append(display);
    countIn(entryCounts_, entry, 1);
    countIn(displayCounts_, display, 1);
}

void ListPair::countIn(QHash<QString, int>& counts, const QString& key, int delta) {
    int& n = counts[key];
    n += delta;
    if (n <= 0) counts.remove(key);
}

int ListPair::currentRow() const {
    const QModelIndex current = selection_.currentIndex();
    return current.isValid() ? current.row() : -1;
}

void ListPair::setCurrentRow(int row) {
    if (row < 0 || row >= count()) return;
    selection_.setCurrentIndex(index(row), QItemSelectionModel::NoUpdate);
}

bool ListPair::isSelected(int row) const {
    return row >= 0 && row < count() && selection_.isRowSelected(row);
}

QList<int> ListPair::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& i : selection_.selectedRows())
        rows.append(i.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

int ListPair::selectedCount() const {
    return int(selection_.selectedRows().size());
}

void ListPair::clearSelection() {
    selection_.clearSelection();
}

void ListPair::selectOnly(int row) {
    if (row < 0 || row >= count()) {
        selection_.clearSelection();
        return;
    }
    selection_.setCurrentIndex(index(row), QItemSelectionModel::ClearAndSelect);
}

void ListPair::selectCurrentUnlessMultiple() {
    if (selectedCount() < 2 && !isEmpty() && currentRow() >= 0) selectOnly(currentRow());
}

int ListPair::selectEntry(const QString& entry) {
    selection_.clearSelection();
    if (!containsEntry(entry)) return -1;
    QItemSelection matches;
    int last = -1;
    for (int row = 0; row < count(); ++row) {
        if (entries_[row] != entry) continue;
        matches.select(index(row), index(row));
        last = row;
    }
    selection_.select(matches, QItemSelectionModel::Select);
    selection_.setCurrentIndex(index(last), QItemSelectionModel::NoUpdate);
    return last;
}

void ListPair::removeRange(int first, int last) {
    beginRemoveRows(QModelIndex(), first, last);
    for (int row = last; row >= first; --row) {
        countIn(entryCounts_, entries_[row], -1);
        countIn(displayCounts_, displays_[row], -1);
    }
    entries_.remove(first, last - first + 1);
    displays_.remove(first, last - first + 1);
    endRemoveRows();
}

void ListPair::removeAt(int row) {
    if (row < 0 || row >= count()) return;
    removeRange(row, row);
    emit changed();
}

int ListPair::removeSelected() {
    const QList<int> rows = selectedRows();
    // From the last to the first, one removal per run of neighbouring rows.
    for (qsizetype i = rows.size() - 1; i >= 0;) {
        const int last = rows[i];
        int first = last;
        while (i > 0 && rows[i - 1] == first - 1)
            first = rows[--i];
        --i;
        removeRange(first, last);
    }
    if (!rows.isEmpty()) emit changed();
    return int(rows.size());
}

int ListPair::removeMissingFiles() {
    int removed = 0;
    for (int row = count() - 1; row >= 0; --row) {
        if (PathExists(ListEntry::split(entries_[row]).path)) continue;
        removeRange(row, row);
        ++removed;
    }
    if (removed > 0) emit changed();
    return removed;
}

void ListPair::clear() {
    if (isEmpty()) return;
    beginResetModel();
    entries_.clear();
    displays_.clear();
    entryCounts_.clear();
    displayCounts_.clear();
    endResetModel();
    emit changed();
}

bool ListPair::moveRow(int from, int to) {
    if (from < 0 || from >= count() || to < 0 || to >= count() || from == to) return false;
    // Moving one row down by one is, for the model, inserting it before the row after the next.
    beginMoveRows(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to);
    entries_.move(from, to);
    displays_.move(from, to);
    endMoveRows();
    emit changed();
    return true;
}

bool ListPair::moveUp(int row) {
    return moveRow(row, row - 1);
}

bool ListPair::moveDown(int row) {
    return moveRow(row, row + 1);
}

bool ListPair::setDisplayText(int row, const QString& text) {
    if (row < 0 || row >= count() || text.isEmpty()) return false;
    if (displays_[row] == text) return true;
    countIn(displayCounts_, displays_[row], -1);
    displays_[row] = text;
    countIn(displayCounts_, text, 1);
    emit dataChanged(index(row), index(row), {Qt::DisplayRole});
    emit changed();
    return true;
}

int ListPair::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ListPair::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count()) return {};
    if (role == Qt::DisplayRole) return displays_[index.row()];
    if (role == EntryRole) return entries_[index.row()];
    return {};
}

QHash<int, QByteArray> ListPair::roleNames() const {
    QHash<int, QByteArray> names = QAbstractListModel::roleNames();
    names.insert(EntryRole, "entry");
    return names;
}
