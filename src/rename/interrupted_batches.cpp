// SPDX-License-Identifier: MIT
#include "rename/interrupted_batches.h"

#include "rename/journal.h"

#include <cerrno>
#include <memory>

namespace km {

namespace {

// Discards the journal only on an explicit answer to do so; false when there was no answer.
bool offerToDiscard(JournalFile& journal, const BatchRecord& record, RecoveryQuestions& questions) {
    const std::optional<bool> keep = questions.keepRecordOfMissingFolder(record);
    if (keep == false)
        journal.end();
    return keep.has_value();
}

// Finishes or rolls back the batch as the user says; false when there was no answer.
bool finishOrRollBack(JournalFile& journal, const BatchRecord& record, FileOps& ops,
                      RecoveryQuestions& questions, InterruptedBatchOutcome& outcome) {
    const std::optional<RecoveryDirection> direction = questions.finishOrRollBack(record);
    if (!direction)
        return false;
    const RecoveryReport report =
        questions.whileBusy([&] { return recoverBatch(record, *direction, ops, journal); });
    outcome.filesMoved = true;
    if (report.consistent && *direction == RecoveryDirection::Finish)
        outcome.finished.push_back(record);
    if (!report.message.isEmpty())
        questions.recovered(report);
    return true;
}

// Deals with one journal this process could claim; false when a question was left unanswered.
bool settleOne(JournalFile& journal, FileOps& ops, RecoveryQuestions& questions,
               InterruptedBatchOutcome& outcome) {
    const QString path = journal.path();
    const LoadedJournal loaded = loadJournal(path);
    if (loaded.status == JournalStatus::Absent)
        return true;
    if (loaded.status == JournalStatus::Damaged) {
        QString asidePath;
        const fs::FileError aside = setJournalAside(path, &asidePath);
        questions.damagedJournal(loaded.message, asidePath, aside);
        return true;
    }
    const fs::FileError folderError = locateFiles(loaded.record, ops).folderError;
    if (folderError.code == ENOENT || folderError.code == ENOTDIR)
        return offerToDiscard(journal, loaded.record, questions);
    if (!folderError.ok()) {
        questions.unreadableFolder(loaded.record, folderError);
        return true;
    }
    return finishOrRollBack(journal, loaded.record, ops, questions, outcome);
}

} // namespace

InterruptedBatchOutcome settleInterruptedBatches(const QString& journalFolder, FileOps& ops,
                                                 RecoveryQuestions& questions) {
    InterruptedBatchOutcome outcome;
    if (journalFolder.isEmpty())
        return outcome;
    for (const QString& path : journalsIn(journalFolder)) {
        // A journal held by a batch that is running now, here or in another copy, is not ours.
        const std::unique_ptr<JournalFile> journal = JournalFile::claim(path);
        if (journal && !settleOne(*journal, ops, questions, outcome))
            outcome.unanswered = true;
    }
    return outcome;
}

} // namespace km
