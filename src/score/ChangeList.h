#pragma once
// The instrument, key or caption changes of a score: values with the rows that set them, in file
// order. A change takes effect from the first note after its row.
#include <QList>
#include <algorithm>
#include <optional>

template <typename Value> class ChangeList {
public:
    struct Change {
        Value value;
        qint32 row;
    };

    void append(const Value& value, qint32 row) { changes_.append({value, row}); }
    void clear() { changes_.clear(); }
    bool isEmpty() const { return changes_.isEmpty(); }
    qsizetype size() const { return changes_.size(); }
    const Change& at(qsizetype i) const { return changes_.at(i); }

    // The value of the last change whose row is before `row`; none when there is no such change.
    // Rows are appended in file order, so the search is a bisection, not a walk back.
    std::optional<Value> lastBefore(qint32 row) const {
        const auto after = std::partition_point(changes_.cbegin(), changes_.cend(),
                                                [row](const Change& c) { return c.row < row; });
        if (after == changes_.cbegin()) return std::nullopt;
        return std::prev(after)->value;
    }

private:
    QList<Change> changes_;
};
