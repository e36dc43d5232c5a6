#pragma once
// What an import needs to fill the task table's lists (Forerunner, Resource) fast: rows
// found by UID, texts made once per value, and each task's list of resources.

#include <QHash>
#include <QString>

#include <utility>
#include <vector>

namespace morvaine::msp {

/// Rows by UID, as a plan's tasks or resources number them. When two rows have one UID,
/// the later one has it.
class RowsByUid {
public:
    /// Rows are added in their order; then finish() before the first row().
    void add(int uid, int row) { m_sorted.emplace_back(uid, row); }
    void finish();
    /// The row with uid; 0 when none has it.
    int row(int uid) const;

private:
    // UIDs close together, as plans number them, are found by their place in a table;
    // others by halving the sorted list.
    qint64 m_first = 0;
    std::vector<int> m_table;
    std::vector<std::pair<int, int>> m_sorted;
};

/// Texts made once per value: a plan repeats a few durations, levels and completions,
/// and a shared text costs no copy.
class TextCache {
public:
    explicit TextCache(QString (*make)(int)) : m_make(make), m_small(Small) {}
    const QString &operator()(int value)
    {
        if (value >= 0 && value < Small) {
            QString &text = m_small[value];
            if (text.isNull())
                text = m_make(value);
            return text;
        }
        auto it = m_texts.constFind(value);
        if (it == m_texts.constEnd())
            it = m_texts.insert(value, m_make(value));
        return *it;
    }

private:
    static constexpr int Small = 1024;
    QString (*m_make)(int);
    std::vector<QString> m_small;
    QHash<int, QString> m_texts;
};

/// Each task row's Resource list (" Anna; Bob;"), rows 1 to lastRow: every resource once,
/// in the order the assignments name them. An assignment is a task row and a row of
/// names (both from 1; 0 where the document's UID names no row).
std::vector<QString> ResourceLists(const std::vector<std::pair<int, int>> &assignments, int lastRow,
                                   const std::vector<QString> &names);

} // namespace morvaine::msp
