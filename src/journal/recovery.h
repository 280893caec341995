// SPDX-License-Identifier: MIT
#pragma once

#include "batch/file_ops.h"
#include "batch/journalled_batch.h"

#include <QString>
#include <vector>

namespace km {

// Start-up recovery of a batch that was interrupted (the program or the machine stopped while
// files carried temporary names), from the batch's journal (see journal.h):
//
//     for (const QString& path : journalsIn(folder)) {
//         std::unique_ptr<JournalFile> journal = JournalFile::claim(path);
//         if (!journal) continue;  // a running batch's own, or gone meanwhile
//         LoadedJournal loaded = loadJournal(path);
//         Damaged: report loaded.message once, then setJournalAside(path).
//         Loaded:  RecoveryReport report = recoverBatch(loaded.batch, direction, ops, *journal);
//                  on report.folderMissing the caller may offer journal->end().
//     }

// Where a file of a recorded batch is now. A move whose two names are the same counts as AtFrom.
// Replaced: the file is under none of its names, and other files hold one or more of them.
enum class Whereabouts { AtFrom, AtTemporary, AtTo, NotFound, Ambiguous, Replaced };

struct BatchWhereabouts {
    // Set when the batch's folder cannot be read; the list is then empty.
    fs::FileError folderError;
    // One per move of the record, in its order.
    std::vector<Whereabouts> files;
};

// Finds each file of the batch under its old, temporary or new name, by its identity: a name is
// the file's only when the entry under it is the file the record was taken of (recordedIdentity),
// so a file that took one of its names since, a photo copied in again or any other file, is
// never taken for it. A file found under two of its names is Ambiguous, never guessed.
BatchWhereabouts locateFiles(const JournalledBatch& record, FileOps& ops);

struct WhereaboutsCount {
    // Under none of their names (some of which other files may hold).
    std::size_t gone = 0;
    // Of those, the ones whose names other files hold.
    std::size_t replaced = 0;
    std::size_t temporary = 0;

    bool operator==(const WhereaboutsCount&) const = default;
};
WhereaboutsCount countWhereabouts(const std::vector<Whereabouts>& files);

enum class RecoveryDirection { Finish, RollBack };

struct RecoveryReport {
    // Every file of the batch still in the folder carries its new name (Finish) or its old name
    // (RollBack; for a batch rolled back already, none is left under a temporary name); the
    // journal was ended (journalError says why not when removing it failed).
    bool consistent = false;
    // The batch's folder no longer exists: nothing was done and the journal is kept.
    bool folderMissing = false;
    // Some file was given a name.
    bool moved = false;

    // What happened, from which the message is written.
    // The way the files went: a batch rolled back already is never finished.
    RecoveryDirection direction = RecoveryDirection::Finish;
    // Set when the batch's folder could not be read; nothing was done then.
    fs::FileError folderError;
    // Where each file of the record is now, in its order.
    std::vector<Whereabouts> files;
    // How many files reached their end.
    qsizetype renamed = 0;
    // The renames that failed, between the names they were to move.
    struct FailedMove {
        QString from;
        QString to;
        fs::FileError error;
    };
    std::vector<FailedMove> failures;
    fs::FileError journalError;

    // For the user when not empty: what was done and what could not be, lines joined by "\r\n".
    QString message;
};

// The message of a recovery, written from its report; empty when every file of the batch was
// there and reached its end.
QString recoveryMessage(const JournalledBatch& record, const RecoveryReport& report);

// Moves the files of an interrupted batch to the end the direction names, in two phases through
// the temporary names as the batch does, never replacing a file; for a batch that was rolled
// back already, only the files under temporary names get their old names back. Each file goes
// on its own, so one that cannot move keeps no other from its name. The journal is ended only
// when the folder is consistent; a roll-back that is not is noted in the journal as rolled back.
// The report counts what was renamed and what was left, naming a few of each.
RecoveryReport recoverBatch(const JournalledBatch& record, RecoveryDirection direction,
                            FileOps& ops, BatchJournal& journal);

} // namespace km
