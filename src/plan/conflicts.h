// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>
#include <vector>

namespace km {

// The outcome of the collision check: conflictingRows are 0-based, ascending, each listed once.
struct Conflicts {
    bool found = false;
    std::vector<int> conflictingRows;
};

// Finds the files that keep their name (empty new name) while a renamed row would take that name,
// letters compared under Unicode case folding. For each such name the lowest renamed row taking it
// is red. Rows missing from newNames count as keeping their name.
Conflicts findConflicts(const QStringList& originalNames, const QStringList& newNames);

} // namespace km
