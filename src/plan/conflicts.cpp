// SPDX-License-Identifier: MIT
#include "plan/conflicts.h"

#include "files/folded_name.h"
#include "files/name_slots.h"

namespace km {

namespace {

const QString& newNameOf(const QStringList& newNames, int row0) {
    static const QString kept;
    return row0 < newNames.size() ? newNames[row0] : kept;
}

// A row and the hash of its case-folded name.
struct HashedRow {
    quint32 hash;
    int row0;
};

// Maps each case-folded new name to the lowest row receiving it.
class FoldedNameIndex {
    // Defined ahead of its callers, which need its type.
    // Whether the new name of a row is, folded, the same as name.
    auto newNameIs(const QString& name) {
        return [this, &name](qint32 row) {
            return foldInto(m_scratch, m_newNames[row]) == foldInto(m_otherScratch, name);
        };
    }

public:
    FoldedNameIndex(const QStringList& newNames, const std::vector<int>& renamedRows)
        // At most half full, which keeps probe runs short.
        : m_newNames(newNames), m_slots(renamedRows.size(), renamedRows.size()) {
        // Rows come in ascending order, so a name already present keeps its lower row.
        visitPrefetching(hashed(newNames, renamedRows), [this](const HashedRow& entry) {
            m_slots.findOrAdd(entry.hash, entry.row0, newNameIs(m_newNames[entry.row0]));
        });
    }

    // Calls found(match) for each of rows, in order, whose name in names a renamed row takes;
    // match is the lowest renamed row taking it.
    template <typename Found>
    void findEach(const QStringList& names, const std::vector<int>& rows, Found found) {
        visitPrefetching(hashed(names, rows), [&](const HashedRow& entry) {
            const int match = m_slots.find(entry.hash, newNameIs(names[entry.row0]));
            if (match >= 0)
                found(match);
        });
    }

private:
    std::vector<HashedRow> hashed(const QStringList& names, const std::vector<int>& rows) {
        std::vector<HashedRow> entries;
        entries.reserve(rows.size());
        for (int row0 : rows)
            entries.push_back({m_slots.hashOf(foldInto(m_scratch, names[row0])), row0});
        return entries;
    }

    // Fetches the slot of an entry a few places ahead while the current one is probed, so large
    // tables do not stall on every lookup.
    template <typename Visit>
    void visitPrefetching(const std::vector<HashedRow>& entries, Visit visit) {
        constexpr size_t kAhead = 8;
        for (size_t j = 0; j < entries.size(); ++j) {
            if (j + kAhead < entries.size())
                m_slots.prefetch(entries[j + kAhead].hash);
            visit(entries[j]);
        }
    }

    const QStringList& m_newNames;
    NameSlots m_slots;
    QString m_scratch;
    QString m_otherScratch;
};

} // namespace

Conflicts findConflicts(const QStringList& originalNames, const QStringList& newNames) {
    const int rows = static_cast<int>(originalNames.size());
    std::vector<int> renamedRows;
    std::vector<int> keptRows;
    for (int row0 = 0; row0 < rows; ++row0)
        (newNameOf(newNames, row0).isEmpty() ? keptRows : renamedRows).push_back(row0);

    Conflicts result;
    // When no file keeps its name nothing can collide, and the index is not worth building.
    if (keptRows.empty() || renamedRows.empty())
        return result;
    std::vector<bool> red(static_cast<size_t>(rows), false);
    FoldedNameIndex(newNames, renamedRows).findEach(originalNames, keptRows, [&](int match) {
        result.found = true;
        red[static_cast<size_t>(match)] = true;
    });
    for (int row0 = 0; row0 < rows; ++row0) {
        if (red[static_cast<size_t>(row0)])
            result.conflictingRows.push_back(row0);
    }
    return result;
}

} // namespace km
