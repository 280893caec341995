// SPDX-License-Identifier: MIT
#include "plan/conflicts.h"

#include "files/folded_name.h"

#include <QHashFunctions>
#include <bit>

namespace km {

namespace {

const QString& newNameOf(const QStringList& newNames, int row0) {
    static const QString kept;
    return row0 < newNames.size() ? newNames[row0] : kept;
}

// A row and the hash of its case-folded name.
struct HashedRow {
    size_t hash;
    int row0;
};

// Maps each case-folded new name to the lowest row receiving it. The slots hold only part of a hash
// and a row, so a probe reads one small array; names are compared only when those parts are equal.
class FoldedNameIndex {
public:
    FoldedNameIndex(const QStringList& newNames, const std::vector<int>& renamedRows)
        : m_newNames(newNames) {
        const std::vector<HashedRow> renamed = hashed(newNames, renamedRows);
        // At most half full, which keeps probe runs short.
        m_slots.resize(std::bit_ceil(2 * renamed.size() + 2));
        m_mask = m_slots.size() - 1;
        visitPrefetching(renamed, [this](const HashedRow& entry) { insert(entry); });
    }

    // Calls found(match) for each of rows, in order, whose name in names a renamed row takes;
    // match is the lowest renamed row taking it.
    template <typename Found>
    void findEach(const QStringList& names, const std::vector<int>& rows, Found found) {
        visitPrefetching(hashed(names, rows), [&](const HashedRow& entry) {
            const int match = lowestRowOf(names[entry.row0], entry.hash);
            if (match >= 0)
                found(match);
        });
    }

private:
    // Eight bytes: the table of a large folder stays small enough for the processor's caches.
    struct Slot {
        quint32 tag = 0;
        qint32 row = -1;
    };

    // The hash bits that the slot position does not already use.
    static quint32 tagOf(size_t hash) { return static_cast<quint32>(hash >> 32); }

    std::vector<HashedRow> hashed(const QStringList& names, const std::vector<int>& rows) {
        std::vector<HashedRow> entries;
        entries.reserve(rows.size());
        for (int row0 : rows)
            entries.push_back({qHash(foldInto(m_scratch, names[row0]), m_seed), row0});
        return entries;
    }

    // Fetches the slot of an entry a few places ahead while the current one is probed, so large
    // tables do not stall on every lookup.
    template <typename Visit>
    void visitPrefetching(const std::vector<HashedRow>& entries, Visit visit) {
        constexpr size_t kAhead = 8;
        for (size_t j = 0; j < entries.size(); ++j) {
            if (j + kAhead < entries.size())
                __builtin_prefetch(&m_slots[entries[j + kAhead].hash & m_mask]);
            visit(entries[j]);
        }
    }

    // Rows come in ascending order, so a name already present keeps its lower row.
    void insert(const HashedRow& entry) {
        const QString& name = m_newNames[entry.row0];
        size_t i = entry.hash & m_mask;
        for (; m_slots[i].row >= 0; i = (i + 1) & m_mask) {
            if (m_slots[i].tag == tagOf(entry.hash) && sameFolded(m_newNames[m_slots[i].row], name))
                return;
        }
        m_slots[i] = {tagOf(entry.hash), entry.row0};
    }

    int lowestRowOf(const QString& name, size_t hash) {
        for (size_t i = hash & m_mask; m_slots[i].row >= 0; i = (i + 1) & m_mask) {
            if (m_slots[i].tag == tagOf(hash) && sameFolded(m_newNames[m_slots[i].row], name))
                return m_slots[i].row;
        }
        return -1;
    }

    bool sameFolded(const QString& a, const QString& b) {
        return foldInto(m_scratch, a) == foldInto(m_otherScratch, b);
    }

    const QStringList& m_newNames;
    std::vector<Slot> m_slots;
    size_t m_mask = 0;
    size_t m_seed = QHashSeed::globalSeed();
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
