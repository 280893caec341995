#include "rename/conflicts.h"

#include <QHashFunctions>
#include <bit>

namespace km {

namespace {

const QString& newNameOf(const QStringList& newNames, int row0) {
    static const QString kept;
    return row0 < newNames.size() ? newNames[row0] : kept;
}

bool anyNameKept(const QStringList& newNames, int rows) {
    for (int row0 = 0; row0 < rows; ++row0) {
        if (newNameOf(newNames, row0).isEmpty())
            return true;
    }
    return false;
}

// The name under Qt's case folding, written into scratch. Plain ASCII names, the usual case, are
// folded here without allocating; Qt folds ASCII the same way (A to Z, nothing else).
QStringView foldInto(QString& scratch, const QString& name) {
    scratch.resize(name.size());
    QChar* out = scratch.data();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t unit = name[i].unicode();
        if (unit >= 0x80) {
            scratch = name.toCaseFolded();
            return scratch;
        }
        out[i] = QChar(unit >= u'A' && unit <= u'Z' ? unit + (u'a' - u'A') : unit);
    }
    return scratch;
}

// Maps each case-folded new name to the lowest row receiving it. The slots hold only part of a hash
// and a row, so a probe reads one small array; names are compared only when those parts are equal.
class FoldedNameIndex {
public:
    FoldedNameIndex(const QStringList& newNames, int rows) : m_newNames(newNames) {
        std::vector<int> renamedRows;
        for (int row0 = 0; row0 < rows; ++row0) {
            if (!newNameOf(newNames, row0).isEmpty())
                renamedRows.push_back(row0);
        }
        // At most half full, which keeps probe runs short.
        m_slots.resize(std::bit_ceil(2 * renamedRows.size() + 2));
        m_mask = m_slots.size() - 1;
        for (int row0 : renamedRows)
            insert(row0);
    }

    // The lowest row whose new name folds to the same text as name, -1 when there is none.
    int lowestRowOf(const QString& name) {
        const size_t hash = hashOf(name);
        for (size_t i = hash & m_mask; m_slots[i].row >= 0; i = (i + 1) & m_mask) {
            if (m_slots[i].tag == tagOf(hash) && sameFolded(m_newNames[m_slots[i].row], name))
                return m_slots[i].row;
        }
        return -1;
    }

private:
    // Eight bytes: the table of a large folder stays small enough for the processor's caches.
    struct Slot {
        quint32 tag = 0;
        qint32 row = -1;
    };

    // The hash bits that the slot position does not already use.
    static quint32 tagOf(size_t hash) { return static_cast<quint32>(hash >> 32); }

    // Rows come in ascending order, so a name already present keeps its lower row.
    void insert(int row0) {
        const QString& name = m_newNames[row0];
        const size_t hash = hashOf(name);
        size_t i = hash & m_mask;
        for (; m_slots[i].row >= 0; i = (i + 1) & m_mask) {
            if (m_slots[i].tag == tagOf(hash) && sameFolded(m_newNames[m_slots[i].row], name))
                return;
        }
        m_slots[i] = {tagOf(hash), row0};
    }

    size_t hashOf(const QString& name) { return qHash(foldInto(m_scratch, name), m_seed); }

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
    Conflicts result;
    // When every row is renamed nothing can collide, and the index is not worth building.
    if (!anyNameKept(newNames, rows))
        return result;
    FoldedNameIndex index(newNames, rows);

    std::vector<bool> red(static_cast<size_t>(rows), false);
    for (int row0 = 0; row0 < rows; ++row0) {
        if (!newNameOf(newNames, row0).isEmpty())
            continue;
        const int match = index.lowestRowOf(originalNames[row0]);
        if (match < 0)
            continue;
        result.found = true;
        red[static_cast<size_t>(match)] = true;
    }
    for (int row0 = 0; row0 < rows; ++row0) {
        if (red[static_cast<size_t>(row0)])
            result.redRows.push_back(row0);
    }
    return result;
}

} // namespace km
