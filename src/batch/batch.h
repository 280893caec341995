// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch_refusal.h"
#include "batch/file_ops.h"
#include "batch/journalled_batch.h"

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

namespace km {

// One file of a batch: bare file names, no folder.
struct RenamePair {
    QString from;
    QString to;

    bool operator==(const RenamePair&) const = default;
};

// A batch of renames inside one folder; the folder ends with "/" (one is added when missing).
struct BatchPlan {
    QString folder;
    std::vector<RenamePair> pairs;
    // The inode numbers of the files as the photo list found them, sorted. When there are any, a
    // file whose inode is none of them took a listed name since, and the batch is refused.
    std::vector<quint64> listedFiles = {};
};

struct BatchOutcome {
    // Every file carries its target name.
    bool done = false;
    // False when the batch was refused before anything on disk changed.
    bool touched = false;
    // Why nothing was renamed, when the batch was refused.
    BatchRefusal refusal;
    // The rename that stopped the batch midway: the names it moved between, and why.
    struct FailedMove {
        QString from;
        QString to;
        fs::FileError error;
    };
    std::optional<FailedMove> failure;
    // Each file the roll-back could not put back: its name before the batch, its name now, why.
    struct LeftBehind {
        QString before;
        QString now;
        fs::FileError error;
    };
    std::vector<LeftBehind> leftBehind;
    // What kept the journal or the history from being written or removed, each error with its
    // own text; a done batch may carry these too.
    std::vector<fs::FileError> bookkeepingErrors;
    // Files that a failed roll-back could not put back: the file's name in the record's `from`
    // column (its name before the rename) -> the name it has now.
    std::vector<RenamePair> stranded;
    // Indices into the plan's pairs of every pair whose target another pair also has.
    std::vector<std::size_t> duplicateTargets;
    // The identity of each moved file as the pre-flight saw it, in the order of the plan's pairs
    // (empty when the batch was refused).
    std::vector<FileIdentity> identities;
};

// Renames every pair's `from` to its `to` in two passes through temporary names, after checking
// that the whole batch can succeed. A failure midway moves the files already moved back, in
// reverse order. With a journal, the batch is recorded there before the first rename and the
// record is dropped once the folder is consistent again (kept while files are stranded).
//
// After a failure, an undo record that describes the folder is `stranded` itself: each stranded
// file goes from its original name to the name it has now.
BatchOutcome renameBatch(const BatchPlan& plan, FileOps& ops, BatchJournal* journal = nullptr);

// Reverses a recorded rename (`from` = original name, `to` = name given by the rename): every
// `to` goes back to its `from`, with the same checks, passes and roll-back as renameBatch.
//
// After a failure, the record describes the folder again when each stranded file's entry (found
// by its `from`) takes the stranded name as its `to`.
BatchOutcome undoBatch(const BatchPlan& recorded, FileOps& ops, BatchJournal* journal = nullptr);

// The moves of that undo, in the plan's order: each pair's `to` back to its `from`.
std::vector<RenamePair> undoMoves(const BatchPlan& recorded);

} // namespace km
