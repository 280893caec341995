// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "file_types/file_types.h"
#include "files/file_names.h"
#include "plan/conflicts.h"

#include <QString>
#include <QStringList>
#include <cstddef>
#include <span>
#include <vector>

namespace km {

// A companion that more than one listed photo claims, so it cannot follow any of them.
struct SharedCompanion {
    QString name;
    // Two of the claiming rows, ascending: enough to name them.
    std::vector<int> rows;
};

// Which files of the folder follow their photo. A companion of a photo is a file whose name,
// letter case ignored, is the photo's base name (its name without the last extension) plus a RAW
// or sidecar extension, or the photo's whole name plus ".xmp", or such a RAW companion's whole
// name plus ".xmp". It gets the photo's new base name followed by its own ending, kept exactly.
struct CompanionPlan {
    // Companions of photos being renamed, in row order; appended to the photos' own pairs they
    // make the batch.
    std::vector<RenamePair> pairs;
    // Where each listed row's companions lie in pairs: row r has pairs[firstPair[r]] up to, not
    // including, pairs[firstPair[r + 1]]. One entry more than there are rows.
    std::vector<std::size_t> firstPair;
    // Companions of photos not being renamed, which keep their names, and the row of each.
    QStringList kept;
    std::vector<int> keptRow;
    // Candidates that keep their names without belonging to one photo: claimed by no listed photo
    // or by several. Other names may still collide with them.
    QStringList unowned;
    // Companions claimed by several photos of which at least one is being renamed: the rename
    // must be refused, as the file cannot follow both and staying behind parts it from one.
    std::vector<SharedCompanion> claimedTwice;

    // The companion pairs of one row.
    std::span<const RenamePair> pairsOf(int row) const;
    // The row whose photo pairs[pair] follows.
    int rowOf(std::size_t pair) const;
};

// Plans the companions of the listed photos. newNames[row] is the row's new name, empty (or
// missing) when the photo keeps its name; candidateNames are the folder's files that pass
// isCompanionCandidate (a name that does not counts as unowned). A companion's ending (".CR2",
// ".JPG.xmp") is put in the case chosen for extensions. Linear in the number of names.
CompanionPlan planCompanions(const QStringList& photoNames, const QStringList& newNames,
                             const QStringList& candidateNames,
                             fs::ExtensionCase extensionCase = fs::ExtensionCase::Keep);

// The refusal when a companion is claimed twice (Kind::CompanionShared, naming the companion and
// its photos); Kind::None when the plan can go ahead.
BatchRefusal companionRefusal(const CompanionPlan& plan, const QStringList& photoNames);

// findConflicts over the photos and their companions: companion pairs count as renamed files,
// kept and unowned companions as files keeping their names. A companion's collision turns its
// photo's row red.
Conflicts findConflictsWithCompanions(const QStringList& photoNames, const QStringList& newNames,
                                      const CompanionPlan& plan);

} // namespace km
