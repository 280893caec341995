// SPDX-License-Identifier: MIT
#pragma once

#include "rename/batch.h"
#include "rename/rename_history.h"

#include <QString>
#include <vector>

namespace km {

// A file a batch left under another name than it had: its name before, its name now and its
// identity as the batch saw it.
struct MovedFile {
    QString before;
    QString now;
    FileIdentity identity;
};

// The files whose names a batch changed, in move order: every move when it is done, else the
// files a failed roll-back left stranded. `moves` are the batch's moves (source -> target,
// `outcome.identities` in the same order); for an undo, the outcome names a stranded file by
// its move's target.
std::vector<MovedFile> filesMovedBy(BatchKind kind, const std::vector<RenamePair>& moves,
                                    const BatchOutcome& outcome);

// The history entry of a batch that began at `when` (UTC milliseconds) and `bornBefore` (the
// file system's clock, fileClockNow()): each file is known again by its inode number, or, where
// the folder's file system makes those up at each mount, by its size and time as it is now.
HistoryEntry historyOfBatch(const QString& folder, const std::vector<MovedFile>& files, qint64 when,
                            qint64 bornBefore);

} // namespace km
