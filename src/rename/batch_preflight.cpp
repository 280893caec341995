// SPDX-License-Identifier: MIT
#include "rename/batch_preflight.h"

#include "rename/message_text.h"
#include "rename/name_rules.h"

#include <QHash>
#include <bit>
#include <cstdint>
#include <limits>

namespace km {

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// Everything the checks need to know about one name: what the folder holds under it and which
// moves use it as source, target or temporary name.
struct NameUse {
    EntryInfo onDisk;
    std::uint32_t firstSource = kNone;
    std::uint32_t firstTarget = kNone;
    std::uint32_t temporaryOwner = kNone;
    std::uint32_t targets = 0;
};

// The uses of one move's names.
struct MoveNames {
    const NameUse* from = nullptr;
    const NameUse* to = nullptr;
    const NameUse* temporary = nullptr;
};

// The names of the folder and of the batch, compared exactly, or under case folding where the
// file system ignores case. Each name is looked up once, in an open-addressed table of views:
// the folder's and the batch's names outlive the table, and only folded and temporary names are
// made anew.
class NameTable {
public:
    NameTable(const std::vector<FolderEntry>& entries, const std::vector<RenamePair>& moves,
              bool ignoreCase)
        : m_ignoreCase(ignoreCase) {
        const std::size_t names = entries.size() + 2 * moves.size();
        m_slots.resize(std::bit_ceil(2 * names + 2));
        m_uses.reserve(names + 1);
        m_keys.reserve(names + 1);
        addUse({}, 0); // the use of every name nobody looked up
        for (const FolderEntry& entry : entries)
            m_uses[slotOf(entry.name)].onDisk = entry.info;
        m_moves.resize(moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const auto index = static_cast<std::uint32_t>(i);
            Slots& move = m_moves[i];
            move.from = slotOf(moves[i].from);
            setFirst(m_uses[move.from].firstSource, index);
            move.to = slotOf(moves[i].to);
            NameUse& target = m_uses[move.to];
            setFirst(target.firstTarget, index);
            ++target.targets;
        }
        if (m_marked)
            addTemporarySlots(moves);
    }

    MoveNames move(std::size_t i) const {
        const Slots& move = m_moves[i];
        return {&m_uses[move.from], &m_uses[move.to], &m_uses[move.temporary]};
    }

private:
    struct Slots {
        std::uint32_t from = 0;
        std::uint32_t to = 0;
        std::uint32_t temporary = 0;
    };

    // A place of the table: the name's hash and its use (0: free).
    struct Bucket {
        std::uint32_t hash = 0;
        std::uint32_t use = 0;
    };

    // A temporary name can only clash with a name that carries the marker itself, so without
    // such a name in the folder or the batch the temporary names need no look-up at all.
    void addTemporarySlots(const std::vector<RenamePair>& moves) {
        m_made.reserve(m_made.size() + moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i) {
            m_made.push_back(temporaryName(moves[i].to));
            m_moves[i].temporary = slotOf(m_made.back());
            setFirst(m_uses[m_moves[i].temporary].temporaryOwner, static_cast<std::uint32_t>(i));
        }
    }

    std::uint32_t slotOf(const QString& name) {
        QStringView key = name;
        if (m_ignoreCase) {
            m_made.push_back(name.toCaseFolded());
            key = m_made.back();
        }
        m_marked = m_marked || key.startsWith(m_marker);
        const auto hash = static_cast<std::uint32_t>(qHash(key));
        if (2 * m_keys.size() >= m_slots.size())
            grow();
        const std::size_t mask = m_slots.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            Bucket& bucket = m_slots[at];
            if (bucket.use == 0) {
                bucket = {hash, addUse(key, hash)};
                return bucket.use;
            }
            if (bucket.hash == hash && m_keys[bucket.use] == key)
                return bucket.use;
        }
    }

    std::uint32_t addUse(QStringView key, std::uint32_t hash) {
        m_keys.push_back(key);
        m_uses.emplace_back();
        m_hashes.push_back(hash);
        return static_cast<std::uint32_t>(m_uses.size() - 1);
    }

    void grow() {
        std::vector<Bucket> larger(2 * m_slots.size());
        const std::size_t mask = larger.size() - 1;
        for (std::uint32_t use = 1; use < m_hashes.size(); ++use) {
            std::size_t at = m_hashes[use] & mask;
            while (larger[at].use != 0)
                at = (at + 1) & mask;
            larger[at] = {m_hashes[use], use};
        }
        m_slots = std::move(larger);
    }

    static void setFirst(std::uint32_t& index, std::uint32_t i) {
        if (index == kNone)
            index = i;
    }

    bool m_ignoreCase;
    QString m_marker =
        m_ignoreCase ? QString(kTemporaryMarker).toCaseFolded() : QString(kTemporaryMarker);
    bool m_marked = false;
    std::vector<Bucket> m_slots;
    std::vector<QStringView> m_keys;
    std::vector<std::uint32_t> m_hashes;
    std::vector<NameUse> m_uses;
    std::vector<Slots> m_moves;
    // Folded and temporary names; a QString's characters stay in place when the list grows.
    std::vector<QString> m_made;
};

QString occupant(EntryKind kind) {
    switch (kind) {
    case EntryKind::File:
        return QStringLiteral("a file");
    case EntryKind::Folder:
        return QStringLiteral("a folder");
    default:
        return QStringLiteral("another entry");
    }
}

QString sourceProblem(const QString& source, EntryKind kind) {
    switch (kind) {
    case EntryKind::File:
        return {};
    case EntryKind::Missing:
        return QStringLiteral("%1 is no longer in the folder").arg(quoted(source));
    case EntryKind::Unknown:
        return QStringLiteral("%1 cannot be examined").arg(quoted(source));
    default:
        return QStringLiteral("%1 is not a plain file").arg(quoted(source));
    }
}

QString takenProblem(const QString& description, EntryKind kind) {
    if (kind == EntryKind::Missing)
        return {};
    if (kind == EntryKind::Unknown)
        return QStringLiteral("%1 cannot be checked in the folder").arg(description);
    return QStringLiteral("%1 is already taken by %2").arg(description, occupant(kind));
}

class Preflight {
public:
    Preflight(BatchKind kind, const std::vector<RenamePair>& moves, const NameTable& names)
        : m_kind(kind), m_moves(moves), m_names(names) {}

    PreflightResult run() const {
        PreflightResult result;
        for (std::size_t i = 0; i < m_moves.size(); ++i) {
            if (m_names.move(i).to->targets > 1)
                result.duplicateTargets.push_back(i);
        }
        result.identities.reserve(m_moves.size());
        for (std::size_t i = 0; i < m_moves.size() && result.ok(); ++i) {
            const QString problem = check(i, result.identities);
            if (!problem.isEmpty())
                result.problem =
                    joinLines({QStringLiteral("Can't rename %1 to %2:")
                                   .arg(quoted(m_moves[i].from), quoted(m_moves[i].to)),
                               problem + QLatin1Char('.')});
        }
        return result;
    }

private:
    QString check(std::size_t i, std::vector<FileIdentity>& identities) const {
        QString problem = checkNames(i);
        if (problem.isEmpty())
            problem = checkSource(i, identities);
        if (problem.isEmpty())
            problem = checkTargets(i);
        return problem;
    }

    QString checkNames(std::size_t i) const {
        const RenamePair& move = m_moves[i];
        for (const QString& name : {move.from, move.to}) {
            const QString reason = invalidNameReason(name);
            if (!reason.isEmpty())
                return QStringLiteral("%1 is not a valid file name: %2").arg(quoted(name), reason);
        }
        // The photo list leaves hidden files out; an undo puts back whatever names there were.
        if (m_kind == BatchKind::Rename && move.to.startsWith(QLatin1Char('.')))
            return QStringLiteral("%1 would be a hidden file").arg(quoted(move.to));
        if (m_names.move(i).from->firstSource != i)
            return QStringLiteral("%1 is listed twice").arg(quoted(move.from));
        const NameUse& target = *m_names.move(i).to;
        if (target.firstTarget != i)
            return QStringLiteral("%1 is also the new name of %2")
                .arg(quoted(move.to), quoted(m_moves[target.firstTarget].from));
        if (target.temporaryOwner != kNone)
            return QStringLiteral("%1 is also the temporary name used while renaming %2")
                .arg(quoted(move.to), quoted(m_moves[target.temporaryOwner].from));
        return {};
    }

    QString checkSource(std::size_t i, std::vector<FileIdentity>& identities) const {
        const EntryInfo& source = m_names.move(i).from->onDisk;
        identities.push_back(source.identity);
        return sourceProblem(m_moves[i].from, source.kind);
    }

    // A final name held by a source of the batch is free by the second pass; a temporary name
    // must be free from the start.
    QString checkTargets(std::size_t i) const {
        const QString& to = m_moves[i].to;
        const NameUse& target = *m_names.move(i).to;
        if (target.firstSource == kNone) {
            const QString problem = takenProblem(quoted(to), target.onDisk.kind);
            if (!problem.isEmpty())
                return problem;
        }
        const EntryKind temporary = m_names.move(i).temporary->onDisk.kind;
        if (temporary == EntryKind::Missing)
            return {};
        return takenProblem(QStringLiteral("its temporary name %1").arg(quoted(temporaryName(to))),
                            temporary);
    }

    BatchKind m_kind;
    const std::vector<RenamePair>& m_moves;
    const NameTable& m_names;
};

} // namespace

PreflightResult preflightBatch(BatchKind kind, const QString& folder,
                               const std::vector<RenamePair>& moves, FileOps& ops) {
    const FolderEntries listing = ops.listFolder(folder);
    if (!listing.error.ok()) {
        PreflightResult refused;
        refused.problem = QStringLiteral("The folder %1 cannot be read: %2.")
                              .arg(quoted(folder), listing.error.message);
        return refused;
    }
    const NameTable names(listing.entries, moves, ops.ignoresCase(folder, listing.entries));
    return Preflight(kind, moves, names).run();
}

} // namespace km
