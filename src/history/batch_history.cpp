// SPDX-License-Identifier: MIT
#include "history/batch_history.h"

#include "files/lasting_identity.h"
#include "history/rename_history.h"

#include <sys/stat.h>

namespace km {

namespace {

// Identities as the history keeps them, read on the basis the folder's file system allows.
class BatchIdentities {
public:
    BatchIdentities(const QString& folder, qint64 bornBefore) : m_reader(folder) {
        m_shared.basis = m_reader.basis();
        struct stat folderInfo {};
        if (m_shared.basis == LastingIdentity::Basis::Inode) {
            m_shared.born = bornBefore;
            if (m_reader.isOpen() && ::fstat(m_reader.descriptor(), &folderInfo) == 0)
                m_shared.device = folderInfo.st_dev;
        }
    }

    const LastingIdentity& shared() const { return m_shared; }

    LastingIdentity of(const QString& name, FileIdentity seen) const {
        LastingIdentity identity = m_shared;
        if (m_shared.basis == LastingIdentity::Basis::Inode) {
            identity.inode = seen.inode;
        } else if (const std::optional<LastingIdentity> now = m_reader.read(name)) {
            identity = *now;
        }
        return identity;
    }

private:
    IdentityReader m_reader;
    LastingIdentity m_shared;
};

// The history of `count` files, which `forEach` hands over as (name before, name now, identity
// seen by the batch).
template <typename ForEach>
QByteArray historyOf(const QString& folder, std::size_t count, qint64 when, qint64 bornBefore,
                     ForEach forEach) {
    if (count == 0)
        return {};
    const QString withSeparator = fs::withTrailingSeparator(folder);
    const BatchIdentities identities(withSeparator, bornBefore);
    HistoryWriter writer(when, withSeparator, identities.shared(), count);
    forEach([&](const QString& before, const QString& now, FileIdentity seen) {
        writer.add(before, now, identities.of(now, seen));
    });
    return writer.finish();
}

struct StrandedMove {
    std::size_t index;
    QString now;
};

} // namespace

QByteArray historyOfBatch(BatchKind kind, const QString& folder,
                          const std::vector<RenamePair>& moves, const BatchOutcome& outcome,
                          qint64 when, qint64 bornBefore) {
    if (outcome.identities.size() != moves.size())
        return {};
    if (outcome.done) {
        std::size_t count = 0;
        for (const RenamePair& move : moves)
            count += move.from != move.to ? 1 : 0;
        return historyOf(folder, count, when, bornBefore, [&](const auto& add) {
            for (std::size_t i = 0; i < moves.size(); ++i) {
                if (moves[i].from != moves[i].to)
                    add(moves[i].from, moves[i].to, outcome.identities[i]);
            }
        });
    }
    std::vector<StrandedMove> stranded;
    for (const RenamePair& file : outcome.stranded) {
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const QString& original = kind == BatchKind::Rename ? moves[i].from : moves[i].to;
            if (original == file.from && moves[i].from != file.to)
                stranded.push_back({i, file.to});
        }
    }
    return historyOf(folder, stranded.size(), when, bornBefore, [&](const auto& add) {
        for (const StrandedMove& move : stranded)
            add(moves[move.index].from, move.now, outcome.identities[move.index]);
    });
}

QByteArray historyOfRecovered(const JournalledBatch& record, qint64 when, qint64 bornBefore) {
    std::size_t count = 0;
    for (const BatchMove& move : record.moves)
        count += move.from != move.to ? 1 : 0;
    return historyOf(record.folder, count, when, bornBefore, [&](const auto& add) {
        for (const BatchMove& move : record.moves) {
            if (move.from != move.to)
                add(move.from, move.to, move.identity);
        }
    });
}

} // namespace km
