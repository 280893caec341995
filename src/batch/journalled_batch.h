// SPDX-License-Identifier: MIT
#pragma once

#include "batch/file_ops.h"
#include "files/file_system.h"
#include "files/lasting_identity.h"

#include <QString>
#include <optional>
#include <vector>

namespace km {

enum class BatchKind { Rename, Undo };

// One file of a batch as it is moved: from its current name to its final name, through the
// temporary name of its final name. The identity is the file's as seen before the batch; size
// and modification time (nanoseconds) are known only where the batch's files are known by them.
struct BatchMove {
    QString from;
    QString to;
    FileIdentity identity;
    quint64 size = 0;
    qint64 modified = 0;

    bool operator==(const BatchMove&) const = default;
};

// How a batch ended, as far as its record knows: cut short while running, or failed and rolled
// back, leaving files that could not be put back.
enum class BatchEnd { Unknown, RolledBack };

// Everything needed to finish or undo a batch that was interrupted: folder (ending with "/"),
// what kind of batch it was, how its files are known again, and its moves in the order they are
// made. `known` holds the identity basis, and on the inode basis the folder's device and a time
// before which every file was born; a record of an earlier version has none, and its files are
// known by inode number alone.
struct JournalledBatch {
    BatchKind kind = BatchKind::Rename;
    QString folder;
    std::vector<BatchMove> moves;
    std::optional<LastingIdentity> known = std::nullopt;
    BatchEnd ended = BatchEnd::Unknown;

    bool operator==(const JournalledBatch&) const = default;
};

// The identity a move's file was recorded with, on the record's basis.
LastingIdentity recordedIdentity(const JournalledBatch& record, const BatchMove& move);

// Where a batch keeps its record while files may be under temporary names.
class BatchJournal {
public:
    virtual ~BatchJournal() = default;

    // Stores the record durably; called before the first file is touched. The error's message is
    // a complete sentence for the user.
    virtual fs::FileError begin(const JournalledBatch& record) = 0;
    // Drops the record; called once every file is back in a consistent state.
    virtual fs::FileError end() = 0;
    // Notes in the record that the batch failed and was rolled back, and files stay stranded,
    // so that a later start never offers to finish it.
    virtual fs::FileError rolledBack() { return {}; }
};

} // namespace km
