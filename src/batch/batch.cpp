// SPDX-License-Identifier: MIT
#include "batch/batch.h"

#include "batch/batch_mover.h"
#include "batch/batch_preflight.h"

namespace km {

namespace {

JournalledBatch journalledBatchOf(BatchKind kind, const QString& folder,
                                  const std::vector<RenamePair>& moves,
                                  const std::vector<FileIdentity>& identities) {
    JournalledBatch record{kind, folder, {}};
    record.moves.reserve(moves.size());
    for (std::size_t i = 0; i < moves.size(); ++i)
        record.moves.push_back({moves[i].from, moves[i].to, identities[i]});
    return record;
}

void noteFailure(const std::vector<RenamePair>& moves, const BatchMover& mover,
                 BatchOutcome& outcome) {
    const MoveFailure& failure = mover.failure();
    const RenamePair& failed = moves[failure.index];
    outcome.failure =
        BatchOutcome::FailedMove{nameAt(failed.from, failed.to, failure.origin),
                                 nameAt(failed.from, failed.to, failure.target), failure.error};
    for (const StrandedFile& file : mover.stranded()) {
        const RenamePair& move = moves[file.index];
        outcome.leftBehind.push_back(
            {move.from, nameAt(move.from, move.to, file.place), file.error});
    }
}

// The record's original name is the source of a rename and the target of an undo.
std::vector<RenamePair> strandedPairs(BatchKind kind, const std::vector<RenamePair>& moves,
                                      const BatchMover& mover) {
    std::vector<RenamePair> stranded;
    for (const StrandedFile& file : mover.stranded()) {
        const RenamePair& move = moves[file.index];
        const QString original = kind == BatchKind::Rename ? move.from : move.to;
        stranded.push_back({original, nameAt(move.from, move.to, file.place)});
    }
    return stranded;
}

// The journal goes only when every file is where the folder expects it; the folder is synced
// first so that the renames are on disk before their record disappears.
void closeJournal(BatchJournal* journal, const QString& folder, FileOps& ops,
                  BatchOutcome& outcome) {
    if (!journal)
        return;
    // The files a roll-back left stranded are offered at a later start, but never to finish a
    // batch the user was told had failed.
    if (!outcome.stranded.empty()) {
        ops.syncFolder(folder);
        const fs::FileError error = journal->rolledBack();
        if (!error.ok())
            outcome.bookkeepingErrors.push_back(error);
        return;
    }
    ops.syncFolder(folder);
    const fs::FileError error = journal->end();
    if (!error.ok())
        outcome.bookkeepingErrors.push_back(error);
}

BatchOutcome runBatch(BatchKind kind, const QString& folder, const std::vector<RenamePair>& moves,
                      const std::vector<quint64>& listedFiles, FileOps& ops,
                      BatchJournal* journal) {
    BatchOutcome outcome;
    if (moves.empty()) {
        outcome.done = true;
        return outcome;
    }
    const PreflightResult preflight = preflightBatch(kind, folder, moves, ops, listedFiles);
    outcome.duplicateTargets = preflight.duplicateTargets;
    if (preflight.refusal.refused()) {
        outcome.refusal = preflight.refusal;
        return outcome;
    }
    if (journal) {
        const fs::FileError error =
            journal->begin(journalledBatchOf(kind, folder, moves, preflight.identities));
        if (!error.ok()) {
            outcome.refusal.kind = BatchRefusal::Kind::JournalNotWritten;
            outcome.refusal.error = error;
            return outcome;
        }
    }
    outcome.touched = true;
    outcome.identities = preflight.identities;
    BatchMover mover(folder, moves, ops);
    outcome.done = mover.run();
    if (!outcome.done) {
        noteFailure(moves, mover, outcome);
        outcome.stranded = strandedPairs(kind, moves, mover);
    }
    closeJournal(journal, folder, ops, outcome);
    return outcome;
}

} // namespace

BatchOutcome renameBatch(const BatchPlan& plan, FileOps& ops, BatchJournal* journal) {
    return runBatch(BatchKind::Rename, fs::withTrailingSeparator(plan.folder), plan.pairs,
                    plan.listedFiles, ops, journal);
}

BatchOutcome undoBatch(const BatchPlan& recorded, FileOps& ops, BatchJournal* journal) {
    return runBatch(BatchKind::Undo, fs::withTrailingSeparator(recorded.folder),
                    undoMoves(recorded), recorded.listedFiles, ops, journal);
}

std::vector<RenamePair> undoMoves(const BatchPlan& recorded) {
    std::vector<RenamePair> moves;
    moves.reserve(recorded.pairs.size());
    for (const RenamePair& pair : recorded.pairs)
        moves.push_back({pair.to, pair.from});
    return moves;
}

} // namespace km
