// SPDX-License-Identifier: MIT
#include "plan/rows_batch.h"

#include <algorithm>

namespace km {

std::vector<int> RowsBatch::rowsOf(const std::vector<std::size_t>& pairs) const {
    std::vector<int> rows;
    for (const std::size_t pair : pairs) {
        if (pair < rowOfPair.size() && rowOfPair[pair] >= 0 &&
            std::find(rows.begin(), rows.end(), rowOfPair[pair]) == rows.end())
            rows.push_back(rowOfPair[pair]);
    }
    return rows;
}

RowsBatch renameOfRows(const QString& folder, const QStringList& names, const QStringList& newNames,
                       const CompanionPlan& companions, std::vector<quint64> listedFiles) {
    RowsBatch batch{{folder, {}}, {}};
    // Sorted here rather than at every scan: a rename is rare, and far slower than the sort.
    std::sort(listedFiles.begin(), listedFiles.end());
    batch.plan.listedFiles = std::move(listedFiles);
    const qsizetype rows = std::min(names.size(), newNames.size());
    for (qsizetype row = 0; row < rows; ++row) {
        if (newNames[row].isEmpty())
            continue;
        batch.plan.pairs.push_back({names[row], newNames[row]});
        batch.rowOfPair.push_back(static_cast<int>(row));
    }
    batch.plan.pairs.insert(batch.plan.pairs.end(), companions.pairs.begin(),
                            companions.pairs.end());
    for (std::size_t pair = 0; pair < companions.pairs.size(); ++pair)
        batch.rowOfPair.push_back(companions.rowOf(pair));
    return batch;
}

} // namespace km
