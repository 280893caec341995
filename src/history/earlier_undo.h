// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "history/rename_history.h"

#include <QString>
#include <vector>

namespace km {

// Why an undo of an earlier batch leaves a file alone.
enum class LeftAloneReason { Removed, Replaced, RenamedAgain, OriginalNameTaken };

struct LeftAloneFile {
    // The name the earlier batch gave the file.
    QString name;
    LeftAloneReason reason = LeftAloneReason::Removed;
    // RenamedAgain: the file's name now. OriginalNameTaken: the name it would go back to.
    QString other;
};

// What an undo of an earlier batch can do, checked before anything moves.
struct EarlierUndoPlan {
    // The files that go back, as a plan for undoBatch: `from` the name before the earlier
    // batch, `to` the name it gave; in the batch's order.
    BatchPlan goingBack;
    std::vector<LeftAloneFile> leftAlone;
    // Set when the folder cannot be read (ENOENT or ENOTDIR when it is gone); nothing goes back.
    fs::FileError folderError;
};

// Checks each file of the batch: the file under the name the batch gave it must be the one it
// renamed (the content may have been edited), and its name before must be free or be freed by
// another file going back. Everything else is left alone, with the reason.
EarlierUndoPlan planEarlierUndo(const HistoryEntry& entry, FileOps& ops);

// Whether an earlier batch can still be undone, as planEarlierUndo finds it.
enum class EarlierBatchState { AsLeft, ChangedSince, FolderGone, FolderUnreadable };

EarlierBatchState earlierBatchState(const EarlierUndoPlan& plan);

// The one message after an undo of an earlier batch: how many files got their names back, the
// files left alone with the reason for each (at most 20 named), and what the batch reported.
QString earlierUndoMessage(const EarlierUndoPlan& plan, const BatchOutcome& outcome);

// Why a recorded batch chosen for its undo cannot be undone: its record at `path` is damaged.
QString damagedRecordMessage(const QString& path, const QString& damage);

} // namespace km
