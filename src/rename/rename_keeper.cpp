// SPDX-License-Identifier: MIT
#include "rename/rename_keeper.h"

#include "history/batch_history.h"
#include "history/history_folder.h"

#include <QDateTime>
#include <utility>

namespace km {

RenameKeeper::Clock RenameKeeper::systemClock() {
    return {[] { return QDateTime::currentMSecsSinceEpoch(); },
            [] {
                return fileClockNow();
            }};
}

RenameKeeper::RenameKeeper(QString journalFolder, FileOps& ops, RecoveryQuestions& questions,
                           Clock clock)
    : m_journalFolder(std::move(journalFolder)), m_ops(ops), m_questions(questions),
      m_clock(std::move(clock)) {
    if (!m_journalFolder.isEmpty())
        m_historyFolder = fs::withTrailingSeparator(m_journalFolder) + QStringLiteral("history");
}

RenameKeeper::~RenameKeeper() = default;

void RenameKeeper::recoverAtStart() {
    const BatchStart start = batchStart();
    const InterruptedBatchOutcome outcome =
        settleInterruptedBatches(m_journalFolder, m_ops, m_questions);
    m_recoveryUnanswered = outcome.unanswered;
    addRecoveredToHistory(outcome, start.when, start.bornBefore);
}

RenameKeeper::Settled RenameKeeper::settle() {
    if (!m_recoveryUnanswered)
        return {};
    const BatchStart start = batchStart();
    const InterruptedBatchOutcome outcome =
        settleInterruptedBatches(m_journalFolder, m_ops, m_questions);
    m_recoveryUnanswered = outcome.unanswered;
    addRecoveredToHistory(outcome, start.when, start.bornBefore);
    return {!outcome.unanswered && !outcome.filesMoved, outcome.filesMoved};
}

BatchOutcome RenameKeeper::rename(const BatchPlan& plan) {
    const BatchStart start = batchStart();
    std::unique_ptr<JournalFile> journal = newJournal();
    BatchOutcome outcome = renameBatch(plan, m_ops, journal.get());
    if (!outcome.touched)
        return outcome;
    addToHistory(historyOfBatch(BatchKind::Rename, plan.folder, plan.pairs, outcome, start.when,
                                start.bornBefore),
                 outcome);
    if (outcome.done) {
        m_undoList = {plan.folder, plan.pairs};
    } else if (!outcome.stranded.empty()) {
        // Files that could not be put back: the record now describes the folder as it is.
        m_undoList = {plan.folder, outcome.stranded};
    }
    keepJournalOfStrandedFiles(std::move(journal), outcome);
    return outcome;
}

BatchOutcome RenameKeeper::undo() {
    const BatchStart start = batchStart();
    std::unique_ptr<JournalFile> journal = newJournal();
    BatchOutcome outcome = undoBatch(m_undoList, m_ops, journal.get());
    if (outcome.touched)
        addToHistory(historyOfBatch(BatchKind::Undo, m_undoList.folder, undoMoves(m_undoList),
                                    outcome, start.when, start.bornBefore),
                     outcome);
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

RenameKeeper::EarlierUndo RenameKeeper::undoEarlier(const HistoryEntry& entry) {
    const BatchStart start = batchStart();
    EarlierUndo undone{planEarlierUndo(entry, m_ops), {}};
    const BatchPlan& goingBack = undone.plan.goingBack;
    if (goingBack.pairs.empty()) {
        undone.outcome.done = true;
        return undone;
    }
    // A journal left by files this undo strands stays on disk, offered at the next start.
    const std::unique_ptr<JournalFile> journal = newJournal();
    undone.outcome = undoBatch(goingBack, m_ops, journal.get());
    if (undone.outcome.touched)
        addToHistory(historyOfBatch(BatchKind::Undo, goingBack.folder, undoMoves(goingBack),
                                    undone.outcome, start.when, start.bornBefore),
                     undone.outcome);
    return undone;
}

void RenameKeeper::addToHistory(const QByteArray& history, BatchOutcome& outcome) const {
    if (m_historyFolder.isEmpty() || history.isEmpty())
        return;
    const fs::FileError error = HistoryFolder(m_historyFolder).add(history);
    if (!error.ok())
        outcome.bookkeepingErrors.push_back(error);
}

// A recovery has no outcome of its own to carry a failure: the recovery questions tell it.
void RenameKeeper::addRecoveredToHistory(const InterruptedBatchOutcome& settled, qint64 when,
                                         qint64 bornBefore) const {
    for (const JournalledBatch& finished : settled.finished) {
        BatchOutcome outcome;
        addToHistory(historyOfRecovered(finished, when, bornBefore), outcome);
        for (const fs::FileError& error : outcome.bookkeepingErrors) {
            RecoveryReport report;
            report.consistent = true;
            report.message = error.message;
            m_questions.recovered(report);
        }
    }
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

std::vector<LoadedHistory> RenameKeeper::earlierRenames() const {
    std::vector<LoadedHistory> loaded;
    if (m_historyFolder.isEmpty())
        return loaded;
    for (const QString& path : HistoryFolder(m_historyFolder).files())
        loaded.push_back(loadHistory(path));
    return loaded;
}

} // namespace km
