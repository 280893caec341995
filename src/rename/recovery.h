// SPDX-License-Identifier: MIT
#pragma once

#include "rename/batch_record.h"
#include "rename/file_ops.h"

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
//         Loaded:  RecoveryReport report = recoverBatch(loaded.record, direction, ops, *journal);
//                  on report.folderMissing the caller may offer journal->end().
//     }

// Where a file of a recorded batch is now. A move whose two names are the same counts as AtFrom.
enum class Whereabouts { AtFrom, AtTemporary, AtTo, NotFound, Ambiguous };

struct BatchWhereabouts {
    // Set when the batch's folder cannot be read; the list is then empty.
    fs::FileError folderError;
    // One per move of the record, in its order.
    std::vector<Whereabouts> files;
};

// Finds each file of the batch under its old, temporary or new name. A temporary name belongs to
// the batch alone. The batch, its roll-back and recovery move files phase by phase in list order
// (or its reverse), so the files under temporary names form one block at the start of the list
// (the others under their old names) or at its end (the others under their new names); with no
// temporary names, all files are under old or all under new names, and when both fit, the
// recorded inode numbers decide. Where this pattern is broken (files changed from outside), each
// file is placed only where its inode number confirms it. Anything else is NotFound or
// Ambiguous, never guessed.
BatchWhereabouts locateFiles(const BatchRecord& record, FileOps& ops);

enum class RecoveryDirection { Finish, RollBack };

struct RecoveryReport {
    // Every file carries its new name (Finish) or its old name (RollBack); the journal was ended
    // (the message says so when removing it failed).
    bool consistent = false;
    // The batch's folder no longer exists: nothing was done and the journal is kept.
    bool folderMissing = false;
    // For the user when not empty: what could not be done, lines joined by "\r\n".
    QString message;
};

// Moves the files of an interrupted batch to the end the direction names, in two phases through
// the temporary names as the batch does, never replacing a file. The journal is ended only when
// the folder is consistent; otherwise the report lists every file that was not found, could not
// be told apart or could not be moved.
RecoveryReport recoverBatch(const BatchRecord& record, RecoveryDirection direction, FileOps& ops,
                            BatchJournal& journal);

} // namespace km
