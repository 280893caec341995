// SPDX-License-Identifier: MIT
#pragma once

#include "batch/file_ops.h"
#include "batch/journalled_batch.h"
#include "journal/recovery.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace km {

// What settling the interrupted batches did.
struct InterruptedBatchOutcome {
    // A question was closed without a Yes or No: its batch's journal stays, to be asked about
    // again.
    bool unanswered = false;
    // Files were moved, so a list of their folder is out of date.
    bool filesMoved = false;
    // The batches a recovery finished: every file carries its new name.
    std::vector<JournalledBatch> finished;
};

// What the user is asked and told while interrupted batches are settled. An answer that is
// nothing means the question was closed without one: nothing is touched then.
class RecoveryQuestions {
public:
    virtual ~RecoveryQuestions() = default;

    // A journal that cannot be read; it was set aside under asidePath, unless `aside` says why not.
    virtual void damagedJournal(const QString& reason, const QString& asidePath,
                                const fs::FileError& aside) = 0;
    // The batch's folder is gone: true keeps the journal for when it is back, false discards it.
    virtual std::optional<bool> keepRecordOfMissingFolder(const JournalledBatch& record) = 0;
    // The batch's folder is there but cannot be read: the journal is kept for a later start.
    virtual void unreadableFolder(const JournalledBatch& record, const fs::FileError& error) = 0;
    // The batch's files were found (`count` says how many are gone): finish it or roll it back.
    virtual std::optional<RecoveryDirection> finishOrRollBack(const JournalledBatch& record,
                                                              const WhereaboutsCount& count) = 0;
    // None of the batch's files is in its folder any more: true forgets the batch's record.
    virtual std::optional<bool> forgetBatchWithNothingLeft(const JournalledBatch& record,
                                                           const WhereaboutsCount& count) = 0;
    // A batch that failed and was rolled back left count.temporary files under temporary
    // names: true gives them their old names back where those are free, false leaves them for
    // a later start.
    virtual std::optional<bool> giveBackTemporaryNames(const JournalledBatch& record,
                                                       const WhereaboutsCount& count) = 0;
    // Runs the recovery's moves; a window shows meanwhile that it is busy.
    virtual RecoveryReport whileBusy(const std::function<RecoveryReport()>& recover) {
        return recover();
    }
    // How the recovery ended, when its report has something to say.
    virtual void recovered(const RecoveryReport& report) = 0;
};

// Offers every batch (rename or undo) that was cut short and whose journal in journalFolder no
// running batch holds: asks whether to finish it or put every file back, does so, and reports
// what it could not do. A batch that failed and was rolled back is never finished: only the
// files it left under temporary names are offered their old names. A batch none of whose files
// is left is offered to be forgotten. A damaged journal, or one that is no plain file, is set
// aside and reported once. A question left without an answer touches nothing and keeps the
// journal. Nothing here ever stops the caller.
InterruptedBatchOutcome settleInterruptedBatches(const QString& journalFolder, FileOps& ops,
                                                 RecoveryQuestions& questions);

} // namespace km
