#include "rename/conflicts.h"

#include <QHash>

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

// Maps each case-folded new name to the lowest row that receives it.
QHash<QString, int> lowestRowByNewName(const QStringList& newNames, int rows) {
    QHash<QString, int> index;
    index.reserve(rows);
    // Filled from the last row up, so a lower row overwrites a higher one with the same name.
    for (int row0 = rows - 1; row0 >= 0; --row0) {
        const QString& name = newNameOf(newNames, row0);
        if (!name.isEmpty())
            index.insert(name.toCaseFolded(), row0);
    }
    return index;
}

} // namespace

Conflicts findConflicts(const QStringList& originalNames, const QStringList& newNames) {
    const int rows = static_cast<int>(originalNames.size());
    Conflicts result;
    // When every row is renamed nothing can collide, and the index is not worth building.
    if (!anyNameKept(newNames, rows))
        return result;
    const QHash<QString, int> index = lowestRowByNewName(newNames, rows);

    std::vector<bool> red(static_cast<size_t>(rows), false);
    for (int row0 = 0; row0 < rows; ++row0) {
        if (!newNameOf(newNames, row0).isEmpty())
            continue;
        const auto match = index.constFind(originalNames[row0].toCaseFolded());
        if (match == index.cend())
            continue;
        result.found = true;
        red[static_cast<size_t>(*match)] = true;
    }
    for (int row0 = 0; row0 < rows; ++row0) {
        if (red[static_cast<size_t>(row0)])
            result.redRows.push_back(row0);
    }
    return result;
}

} // namespace km
