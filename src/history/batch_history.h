// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "batch/journalled_batch.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace km {

// History texts (rename_history.h) of finished batches. A batch that began at `when` (UTC
// milliseconds) and `bornBefore` (the file system's clock, fileClockNow()) records each file it
// left under another name, known again by its inode number, or, where the folder's file system
// makes those up at each mount, by its size and time as it is now. The text is empty when the
// batch changed no name.

// The files whose names a batch changed, in move order: every move when it is done, else the
// files a failed roll-back left stranded. `moves` are the batch's moves (source -> target,
// `outcome.identities` in the same order); for an undo, the outcome names a stranded file by
// its move's target.
QByteArray historyOfBatch(BatchKind kind, const QString& folder,
                          const std::vector<RenamePair>& moves, const BatchOutcome& outcome,
                          qint64 when, qint64 bornBefore);

// The files an interrupted batch, finished or rolled back by recovery, left under other names.
QByteArray historyOfRecovered(const JournalledBatch& record, qint64 when, qint64 bornBefore);

} // namespace km
