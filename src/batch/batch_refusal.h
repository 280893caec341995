// SPDX-License-Identifier: MIT
#pragma once

#include "batch/file_ops.h"
#include "batch/name_rules.h"

#include <QString>

namespace km {

// Why a batch was refused before anything on disk changed, and about which names.
struct BatchRefusal {
    enum class Kind {
        None,
        FolderUnreadable,   // error
        InvalidName,        // name, fault
        HiddenName,         // to
        ListedTwice,        // from
        SameNewName,        // to, other: the source of the move with the same new name
        NewNameIsTemporary, // to, other: the source whose temporary name it is
        SourceMissing,
        SourceUnexaminable,
        SourceNotPlainFile,
        SourceReplaced,
        NewNameTaken,         // to, occupant
        NewNameUncheckable,   // to
        TemporaryTaken,       // name: the temporary name, occupant
        TemporaryUncheckable, // name
        JournalNotWritten,    // error (with the journal's own text)
        CompanionShared,      // name: the companion, claimants: the photos that claim it
    };

    Kind kind = Kind::None;
    // The move refused (its names before and after).
    QString from;
    QString to;
    // The name the reason is about, where it is neither from nor to.
    QString name;
    QString other;
    NameFault fault = NameFault::None;
    EntryKind occupant = EntryKind::Missing;
    QStringList claimants;
    fs::FileError error;

    bool refused() const { return kind != Kind::None; }
};

} // namespace km
