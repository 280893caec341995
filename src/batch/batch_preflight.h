// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"

#include <QString>
#include <vector>

namespace km {

struct PreflightResult {
    // Why the batch cannot go ahead, about its first offending move; Kind::None when it can.
    BatchRefusal refusal;
    // Indices of every move whose target another move also has.
    std::vector<std::size_t> duplicateTargets;
    // The identity of each move's source, in move order (complete only when problem is empty).
    std::vector<FileIdentity> identities;
};

// Checks, without touching anything, that every move of the batch can be made: valid names,
// sources present as files and listed once, targets distinct, and every final and temporary name
// free unless a source of the batch frees it, and (for a rename) no new name hidden by a leading
// ".". Names are compared ignoring case where the folder's file system does. With listedFiles
// (sorted inode numbers), a source that is none of those files took a listed name since.
PreflightResult preflightBatch(BatchKind kind, const QString& folder,
                               const std::vector<RenamePair>& moves, FileOps& ops,
                               const std::vector<quint64>& listedFiles = {});

} // namespace km
