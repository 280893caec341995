// SPDX-License-Identifier: MIT
#include "batch/journalled_batch.h"

namespace km {

LastingIdentity recordedIdentity(const JournalledBatch& record, const BatchMove& move) {
    LastingIdentity identity = record.known.value_or(LastingIdentity{});
    if (identity.basis == LastingIdentity::Basis::SizeAndTime) {
        identity.size = move.size;
        identity.modified = move.modified;
    } else {
        identity.inode = move.identity.inode;
    }
    return identity;
}

} // namespace km
