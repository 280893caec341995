// SPDX-License-Identifier: MIT
#include "rename/batch_preflight.h"

#include "rename/message_text.h"
#include "rename/name_rules.h"

#include <QHash>

namespace km {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Everything the checks need to know about one name: what the folder holds under it and which
// moves use it as source, target or temporary name.
struct NameUse {
    EntryInfo onDisk;
    std::size_t firstSource = kNone;
    std::size_t firstTarget = kNone;
    std::size_t temporaryOwner = kNone;
    int targets = 0;
};

// The uses of one move's names.
struct MoveNames {
    const NameUse* from = nullptr;
    const NameUse* to = nullptr;
    const NameUse* temporary = nullptr;
};

// The names of the folder and of the batch, compared exactly, or under case folding where the
// file system ignores case. Each name is looked up once.
class NameTable {
public:
    NameTable(const std::vector<FolderEntry>& entries, const std::vector<RenamePair>& moves,
              bool ignoreCase)
        : m_ignoreCase(ignoreCase) {
        const std::size_t names = entries.size() + 2 * moves.size();
        m_slots.reserve(static_cast<qsizetype>(names));
        m_uses.reserve(names + moves.size() + 1);
        m_uses.emplace_back(); // the use of every name nobody looked up
        for (const FolderEntry& entry : entries)
            m_uses[slotOf(entry.name)].onDisk = entry.info;
        std::vector<Slots> indices = moveSlots(moves);
        if (m_marked)
            addTemporarySlots(moves, indices);
        m_moves.reserve(moves.size());
        for (const Slots& move : indices)
            m_moves.push_back({&m_uses[move.from], &m_uses[move.to], &m_uses[move.temporary]});
    }

    const MoveNames& move(std::size_t i) const { return m_moves[i]; }

private:
    struct Slots {
        std::size_t from = 0;
        std::size_t to = 0;
        std::size_t temporary = 0;
    };

    std::vector<Slots> moveSlots(const std::vector<RenamePair>& moves) {
        std::vector<Slots> indices(moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i) {
            indices[i].from = slotOf(moves[i].from);
            setFirst(m_uses[indices[i].from].firstSource, i);
            indices[i].to = slotOf(moves[i].to);
            NameUse& target = m_uses[indices[i].to];
            setFirst(target.firstTarget, i);
            ++target.targets;
        }
        return indices;
    }

    // A temporary name can only clash with a name that carries the marker itself, so without
    // such a name in the folder or the batch the temporary names need no look-up at all.
    void addTemporarySlots(const std::vector<RenamePair>& moves, std::vector<Slots>& indices) {
        for (std::size_t i = 0; i < moves.size(); ++i) {
            indices[i].temporary = slotOf(temporaryName(moves[i].to));
            setFirst(m_uses[indices[i].temporary].temporaryOwner, i);
        }
    }

    std::size_t slotOf(const QString& name) {
        const QString folded = m_ignoreCase ? name.toCaseFolded() : name;
        m_marked = m_marked || folded.startsWith(m_marker);
        std::size_t& slot = m_slots[folded];
        if (slot == 0) {
            slot = m_uses.size();
            m_uses.emplace_back();
        }
        return slot;
    }

    static void setFirst(std::size_t& index, std::size_t i) {
        if (index == kNone)
            index = i;
    }

    bool m_ignoreCase;
    QString m_marker = m_ignoreCase ? temporaryName({}).toCaseFolded() : temporaryName({});
    bool m_marked = false;
    QHash<QString, std::size_t> m_slots;
    std::vector<NameUse> m_uses;
    std::vector<MoveNames> m_moves;
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
        return takenProblem(QStringLiteral("its temporary name %1").arg(quoted(temporaryName(to))),
                            m_names.move(i).temporary->onDisk.kind);
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
