// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "history/earlier_undo.h"
#include "history/history_folder.h"
#include "journal/interrupted_batches.h"
#include "journal/journal.h"

#include <QString>
#include <functional>
#include <memory>

namespace km {

// The bookkeeping of a window's renames and undos: the undo record of the last rename, the
// journal of a batch that left files stranded, and interrupted batches whose question was left
// unanswered. Each batch is journalled in journalFolder (none when it is empty) while it runs,
// and every batch that moved files, recovered ones included, is recorded when it ends in the
// history of earlier renames, the folder "history" inside journalFolder. A history that cannot be
// written never fails a batch: the outcome's message says so.
//
//     RenameKeeper keeper(journalFolder, ops, questions);
//     keeper.recoverAtStart();
//     if (keeper.settle().mayGoOn) outcome = keeper.rename(plan);
//     ...
//     if (keeper.settle().mayGoOn) outcome = keeper.undo();
class RenameKeeper {
public:
    // Where the keeper reads when a batch begins: UTC milliseconds, which the history shows the
    // user, and the file system's clock (fileClockNow), before which every file it moves was born.
    struct Clock {
        std::function<qint64()> now;
        std::function<qint64()> fileClock;
    };
    static Clock systemClock();

    RenameKeeper(QString journalFolder, FileOps& ops, RecoveryQuestions& questions,
                 Clock clock = systemClock());
    ~RenameKeeper();
    RenameKeeper(const RenameKeeper&) = delete;
    RenameKeeper& operator=(const RenameKeeper&) = delete;

    // Offers the batches a crash left interrupted. One whose question is left unanswered is
    // offered again by settle().
    void recoverAtStart();

    struct Settled {
        // Nothing is left unanswered and no file moved: a rename or undo may go on.
        bool mayGoOn = true;
        // Recovery moved files: a list of their folder is out of date.
        bool filesMoved = false;
    };
    // Offers again the interrupted batches whose questions were left unanswered.
    Settled settle();

    // Renames the plan's files. A batch that moved files becomes the undo record: the whole plan
    // when it is done, the files left stranded by a failed roll-back otherwise.
    BatchOutcome rename(const BatchPlan& plan);
    // Gives the files of the undo record their names back. When files remain under other names,
    // the record takes the names they have now, so that it still serves.
    BatchOutcome undo();

    // Gives the files of an earlier batch their names back, those that are still the files it
    // renamed and whose names before are free; the rest are left alone. Recorded in turn.
    struct EarlierUndo {
        EarlierUndoPlan plan;
        BatchOutcome outcome;
    };
    EarlierUndo undoEarlier(const HistoryEntry& entry);

    // Where the history of earlier renames is kept; empty for none.
    const QString& historyFolder() const { return m_historyFolder; }
    // The recorded batches, newest first, as they read now (a damaged one with its damage).
    std::vector<LoadedHistory> earlierRenames() const;

    // The last rename: its folder (ending with "/") and each file's original and new name.
    const BatchPlan& undoList() const { return m_undoList; }

private:
    // When a batch begins, on both clocks.
    struct BatchStart {
        qint64 when;
        qint64 bornBefore;
    };
    BatchStart batchStart() const { return {m_clock.now(), m_clock.fileClock()}; }
    std::unique_ptr<JournalFile> newJournal() const;
    // Adds a batch's history text (none when it is empty), telling a failure in the outcome.
    void addToHistory(const QByteArray& history, BatchOutcome& outcome) const;
    void addRecoveredToHistory(const InterruptedBatchOutcome& settled, qint64 when,
                               qint64 bornBefore) const;
    void keepJournalOfStrandedFiles(std::unique_ptr<JournalFile> journal,
                                    const BatchOutcome& outcome);

    QString m_journalFolder;
    QString m_historyFolder;
    FileOps& m_ops;
    RecoveryQuestions& m_questions;
    Clock m_clock;
    BatchPlan m_undoList;
    // The journal of a batch that left files stranded, held while the undo record describes them.
    std::unique_ptr<JournalFile> m_strandedJournal;
    bool m_recoveryUnanswered = false;
};

} // namespace km
