// SPDX-License-Identifier: MIT
#include "batch/batch.h"

#include "batch/batch_mover.h"
#include "batch/batch_preflight.h"
#include "files/message_text.h"

#include <QStringList>
#include <cerrno>

namespace km {

namespace {

const QString kNothingRenamed = QStringLiteral("Nothing was renamed.");

BatchRecord recordOf(BatchKind kind, const QString& folder, const std::vector<RenamePair>& moves,
                     const std::vector<FileIdentity>& identities) {
    BatchRecord record{kind, folder, {}};
    record.moves.reserve(moves.size());
    for (std::size_t i = 0; i < moves.size(); ++i)
        record.moves.push_back({moves[i].from, moves[i].to, identities[i]});
    return record;
}

QString failureMessage(const std::vector<RenamePair>& moves, const BatchMover& mover) {
    const MoveFailure& failure = mover.failure();
    const RenamePair& failed = moves[failure.index];
    QStringList lines{QStringLiteral("Renaming %1 to %2 failed: %3.")
                          .arg(quoted(nameAt(failed.from, failed.to, failure.origin)),
                               quoted(nameAt(failed.from, failed.to, failure.target)),
                               failure.error.message)};
    if (mover.stranded().empty()) {
        lines << QStringLiteral("Every file that was moved has its previous name again.");
        return joinLines(lines);
    }
    lines << QStringLiteral("These files could not be given their previous names back:");
    for (const StrandedFile& file : mover.stranded()) {
        const RenamePair& move = moves[file.index];
        const QString now = quoted(nameAt(move.from, move.to, file.place));
        // A file another program moved away or deleted meanwhile is under no name of the batch.
        if (file.error.code == ENOENT)
            lines << QStringLiteral("%1 was last named %2 and is no longer in the folder.")
                         .arg(quoted(move.from), now);
        else
            lines << QStringLiteral("%1 is now named %2 (%3).")
                         .arg(quoted(move.from), now, file.error.message);
    }
    return joinLines(lines);
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
            outcome.message = joinLines({outcome.message, error.message});
        return;
    }
    ops.syncFolder(folder);
    const fs::FileError error = journal->end();
    if (!error.ok())
        outcome.message =
            outcome.message.isEmpty() ? error.message : joinLines({outcome.message, error.message});
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
    if (!preflight.ok()) {
        outcome.message = joinLines({preflight.problem, kNothingRenamed});
        return outcome;
    }
    if (journal) {
        const fs::FileError error =
            journal->begin(recordOf(kind, folder, moves, preflight.identities));
        if (!error.ok()) {
            outcome.message = joinLines({error.message, kNothingRenamed});
            return outcome;
        }
    }
    outcome.touched = true;
    outcome.identities = preflight.identities;
    BatchMover mover(folder, moves, ops);
    outcome.done = mover.run();
    if (!outcome.done) {
        outcome.message = failureMessage(moves, mover);
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
