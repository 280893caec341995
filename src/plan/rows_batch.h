// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "plan/companions.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <vector>

namespace km {

// The rename of a list's rows: the batch, and the row each of its pairs renames.
struct RowsBatch {
    BatchPlan plan;
    std::vector<int> rowOfPair;

    // The rows of the given pairs, each once, in the order given; pairs of no row are skipped.
    std::vector<int> rowsOf(const std::vector<std::size_t>& pairs) const;
};

// The pairs of the rows with a new name (newNames[row] not empty), in row order, then their RAW
// and sidecar files' pairs.
// `listedFiles` are the inode numbers the scan took, in any order; the plan holds them sorted.
RowsBatch renameOfRows(const QString& folder, const QStringList& names, const QStringList& newNames,
                       const CompanionPlan& companions, std::vector<quint64> listedFiles = {});

} // namespace km
