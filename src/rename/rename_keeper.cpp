// SPDX-License-Identifier: MIT
#include "rename/rename_keeper.h"

#include <utility>

namespace km {

RenameKeeper::RenameKeeper(QString journalFolder, FileOps& ops, RecoveryQuestions& questions)
    : m_journalFolder(std::move(journalFolder)), m_ops(ops), m_questions(questions) {}

RenameKeeper::~RenameKeeper() = default;

void RenameKeeper::recoverAtStart() {
    m_recoveryUnanswered = settleInterruptedBatches(m_journalFolder, m_ops, m_questions).unanswered;
}

RenameKeeper::Settled RenameKeeper::settle() {
    if (!m_recoveryUnanswered)
        return {};
    const InterruptedBatchOutcome outcome =
        settleInterruptedBatches(m_journalFolder, m_ops, m_questions);
    m_recoveryUnanswered = outcome.unanswered;
    return {!outcome.unanswered && !outcome.filesMoved, outcome.filesMoved};
}

BatchOutcome RenameKeeper::rename(const BatchPlan& plan) {
    std::unique_ptr<JournalFile> journal = newJournal();
    BatchOutcome outcome = renameBatch(plan, m_ops, journal.get());
    if (!outcome.touched)
        return outcome;
    if (outcome.done) {
        m_undoList = plan;
    } else if (!outcome.stranded.empty()) {
        // Files that could not be put back: the record now describes the folder as it is.
        m_undoList = {plan.folder, outcome.stranded};
    }
    keepJournalOfStrandedFiles(std::move(journal), outcome);
    return outcome;
}

BatchOutcome RenameKeeper::undo() {
    std::unique_ptr<JournalFile> journal = newJournal();
    BatchOutcome outcome = undoBatch(m_undoList, m_ops, journal.get());
    if (outcome.done) {
        // Files a failed rename had stranded are back too: their journal has served.
        if (m_strandedJournal)
            m_strandedJournal->end();
        m_strandedJournal.reset();
        return outcome;
    }
    for (const RenamePair& stranded : outcome.stranded) {
        for (RenamePair& entry : m_undoList.pairs) {
            if (entry.from == stranded.from)
                entry.to = stranded.to;
        }
    }
    if (!outcome.stranded.empty())
        m_strandedJournal = std::move(journal);
    return outcome;
}

std::unique_ptr<JournalFile> RenameKeeper::newJournal() const {
    if (m_journalFolder.isEmpty())
        return nullptr;
    return std::make_unique<JournalFile>(m_journalFolder);
}

// A batch that left files stranded keeps its journal, held while the undo record describes
// those files, until an undo has put them back; a later rename lets go of it, so that the next
// start offers it.
void RenameKeeper::keepJournalOfStrandedFiles(std::unique_ptr<JournalFile> journal,
                                              const BatchOutcome& outcome) {
    if (outcome.done || !outcome.stranded.empty())
        m_strandedJournal = outcome.stranded.empty() ? nullptr : std::move(journal);
}

} // namespace km
