// SPDX-License-Identifier: MIT
#include "rename/batch_history.h"

#include <sys/stat.h>

namespace km {

std::vector<MovedFile> filesMovedBy(BatchKind kind, const std::vector<RenamePair>& moves,
                                    const BatchOutcome& outcome) {
    std::vector<MovedFile> moved;
    if (outcome.identities.size() != moves.size())
        return moved;
    if (outcome.done) {
        moved.reserve(moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i) {
            if (moves[i].from != moves[i].to)
                moved.push_back({moves[i].from, moves[i].to, outcome.identities[i]});
        }
        return moved;
    }
    for (const RenamePair& stranded : outcome.stranded) {
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const QString& original = kind == BatchKind::Rename ? moves[i].from : moves[i].to;
            if (original == stranded.from && moves[i].from != stranded.to)
                moved.push_back({moves[i].from, stranded.to, outcome.identities[i]});
        }
    }
    return moved;
}

HistoryEntry historyOfBatch(const QString& folder, const std::vector<MovedFile>& files, qint64 when,
                            qint64 bornBefore) {
    HistoryEntry entry{when, fs::withTrailingSeparator(folder), {}};
    const IdentityReader reader(entry.folder);
    LastingIdentity shared;
    shared.basis = reader.basis();
    struct stat folderInfo {};
    if (shared.basis == LastingIdentity::Basis::Inode) {
        shared.born = bornBefore;
        if (reader.isOpen() && ::fstat(reader.descriptor(), &folderInfo) == 0)
            shared.device = folderInfo.st_dev;
    }
    entry.files.reserve(files.size());
    for (const MovedFile& file : files) {
        LastingIdentity identity = shared;
        if (shared.basis == LastingIdentity::Basis::Inode) {
            identity.inode = file.identity.inode;
        } else if (const std::optional<LastingIdentity> now = reader.read(file.now)) {
            identity = *now;
        }
        entry.files.push_back({file.before, file.now, identity});
    }
    return entry;
}

} // namespace km
