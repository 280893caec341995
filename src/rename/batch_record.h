// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_system.h"
#include "rename/file_ops.h"

#include <QString>
#include <vector>

namespace km {

enum class BatchKind { Rename, Undo };

// One file of a batch as it is moved: from its current name to its final name, through the
// temporary name of its final name. The identity is the file's as seen before the batch.
struct BatchMove {
    QString from;
    QString to;
    FileIdentity identity;

    bool operator==(const BatchMove&) const = default;
};

// Everything needed to finish or undo a batch that was interrupted: folder (ending with "/"),
// what kind of batch it was, and its moves in the order they are made.
struct BatchRecord {
    BatchKind kind = BatchKind::Rename;
    QString folder;
    std::vector<BatchMove> moves;

    bool operator==(const BatchRecord&) const = default;
};

// Where a batch keeps its record while files may be under temporary names.
class BatchJournal {
public:
    virtual ~BatchJournal() = default;

    // Stores the record durably; called before the first file is touched. The error's message is
    // a complete sentence for the user.
    virtual fs::FileError begin(const BatchRecord& record) = 0;
    // Drops the record; called once every file is back in a consistent state.
    virtual fs::FileError end() = 0;
};

} // namespace km
