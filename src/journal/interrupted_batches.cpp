// SPDX-License-Identifier: MIT
#include "journal/interrupted_batches.h"

#include "journal/journal.h"

#include <QFileInfo>
#include <cerrno>
#include <memory>

namespace km {

namespace {

// Discards the journal only on an explicit answer to do so; false when there was no answer.
bool offerToDiscard(JournalFile& journal, const JournalledBatch& record,
                    RecoveryQuestions& questions) {
    const std::optional<bool> keep = questions.keepRecordOfMissingFolder(record);
    if (keep == false)
        journal.end();
    return keep.has_value();
}

// Runs the recovery while the window shows it is busy, and tells what it did when there is
// something to tell.
void recover(JournalFile& journal, const JournalledBatch& record, RecoveryDirection direction,
             FileOps& ops, RecoveryQuestions& questions, InterruptedBatchOutcome& outcome) {
    const RecoveryReport report =
        questions.whileBusy([&] { return recoverBatch(record, direction, ops, journal); });
    outcome.filesMoved = outcome.filesMoved || report.moved;
    if (report.consistent && direction == RecoveryDirection::Finish)
        outcome.finished.push_back(record);
    if (!report.message.isEmpty())
        questions.recovered(report);
}

// The folder as the file system resolves it ("photos/../other/" is "other/", a link is where it
// leads), so the user is shown, and the batch acts in, the folder that is really meant; as
// written when it cannot be resolved (it is gone).
QString resolvedFolder(const QString& folder) {
    const QString resolved = QFileInfo(folder).canonicalFilePath();
    return resolved.isEmpty() ? folder : fs::withTrailingSeparator(resolved);
}

// Deals with a journal whose batch's folder can be read; false when a question was left
// unanswered.
bool settleLocated(JournalFile& journal, const JournalledBatch& record,
                   const std::vector<Whereabouts>& files, FileOps& ops,
                   RecoveryQuestions& questions, InterruptedBatchOutcome& outcome) {
    const WhereaboutsCount count = countWhereabouts(files);
    if (count.gone == files.size()) {
        const std::optional<bool> forget = questions.forgetBatchWithNothingLeft(record, count);
        if (forget == true)
            journal.end();
        return forget.has_value();
    }
    if (record.ended == BatchEnd::RolledBack) {
        if (count.temporary == 0) {
            journal.end();
            return true;
        }
        const std::optional<bool> giveBack = questions.giveBackTemporaryNames(record, count);
        if (giveBack == true)
            recover(journal, record, RecoveryDirection::RollBack, ops, questions, outcome);
        return giveBack.has_value();
    }
    const std::optional<RecoveryDirection> direction = questions.finishOrRollBack(record, count);
    if (direction)
        recover(journal, record, *direction, ops, questions, outcome);
    return direction.has_value();
}

void setAside(const LoadedJournal& loaded, const QString& path, RecoveryQuestions& questions) {
    QString asidePath;
    const fs::FileError aside = setJournalAside(path, &asidePath);
    questions.damagedJournal(loaded.message, asidePath, aside);
}

// Deals with one journal this process could claim; false when a question was left unanswered.
bool settleOne(JournalFile& journal, FileOps& ops, RecoveryQuestions& questions,
               InterruptedBatchOutcome& outcome) {
    const QString path = journal.path();
    LoadedJournal loaded = loadJournal(path);
    if (loaded.status == JournalStatus::Absent)
        return true;
    if (loaded.status == JournalStatus::Damaged) {
        setAside(loaded, path, questions);
        return true;
    }
    loaded.batch.folder = resolvedFolder(loaded.batch.folder);
    const BatchWhereabouts located = locateFiles(loaded.batch, ops);
    if (located.folderError.isGone())
        return offerToDiscard(journal, loaded.batch, questions);
    if (!located.folderError.ok()) {
        questions.unreadableFolder(loaded.batch, located.folderError);
        return true;
    }
    return settleLocated(journal, loaded.batch, located.files, ops, questions, outcome);
}

} // namespace

InterruptedBatchOutcome settleInterruptedBatches(const QString& journalFolder, FileOps& ops,
                                                 RecoveryQuestions& questions) {
    InterruptedBatchOutcome outcome;
    if (journalFolder.isEmpty())
        return outcome;
    for (const QString& path : journalsIn(journalFolder)) {
        // A journal held by a batch that is running now, here or in another copy, is not ours.
        fs::ReadProblem problem = fs::ReadProblem::None;
        const std::unique_ptr<JournalFile> journal = JournalFile::claim(path, &problem);
        // A pipe or a device is no running batch's journal: it is set aside unread.
        if (!journal && problem == fs::ReadProblem::NotPlainFile)
            setAside(loadJournal(path), path, questions);
        if (journal && !settleOne(*journal, ops, questions, outcome))
            outcome.unanswered = true;
    }
    return outcome;
}

} // namespace km
