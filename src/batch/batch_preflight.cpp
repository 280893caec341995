// SPDX-License-Identifier: MIT
#include "batch/batch_preflight.h"

#include "batch/name_rules.h"
#include "files/name_slots.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace km {

namespace {

constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();

// Everything the checks need to know about one name: what the folder holds under it and which
// moves use it as source, target or temporary name.
struct NameUse {
    QStringView name;
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
        : m_ignoreCase(ignoreCase),
          m_slots(entries.size() + 2 * moves.size(), (entries.size() + 2 * moves.size()) / 2) {
        const std::size_t names = entries.size() + 2 * moves.size();
        m_uses.reserve(names + 1);
        m_uses.emplace_back(); // the use of every name nobody looked up
        lookUpAll(
            entries.size(), [&](std::size_t i) -> const QString& { return entries[i].name; },
            [&](std::size_t i, NameUse& use) { use.onDisk = entries[i].info; });
        m_moves.resize(moves.size());
        lookUpAll(
            2 * moves.size(),
            [&](std::size_t i) -> const QString& {
                return i % 2 == 0 ? moves[i / 2].from : moves[i / 2].to;
            },
            [&](std::size_t i, NameUse& use) {
                const auto move = static_cast<std::uint32_t>(i / 2);
                if (i % 2 == 0) {
                    m_moves[move].from = index(use);
                    setFirst(use.firstSource, move);
                } else {
                    m_moves[move].to = index(use);
                    setFirst(use.firstTarget, move);
                    ++use.targets;
                }
            });
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

    struct Key {
        QStringView name;
        std::uint32_t hash = 0;
    };

    // The slots of a large table lie scattered over memory, so each look-up first asks for its
    // slot, and then for the use found there, some names before it needs them.
    template <typename NameAt, typename Found>
    void lookUpAll(std::size_t count, NameAt nameAt, Found found) {
        constexpr std::size_t kAhead = 16;
        std::array<Key, kAhead> pending{};
        for (std::size_t i = 0; i < count + kAhead; ++i) {
            if (i >= kAhead / 2 && i - kAhead / 2 < count) {
                const qint32 use = m_slots.startIndex(pending[(i - kAhead / 2) % kAhead].hash);
                if (use >= 0)
                    __builtin_prefetch(&m_uses[static_cast<std::size_t>(use)]);
            }
            Key& key = pending[i % kAhead];
            if (i >= kAhead)
                found(i - kAhead, m_uses[slotOf(key)]);
            if (i < count) {
                key = keyOf(nameAt(i));
                m_slots.prefetch(key.hash);
            }
        }
    }

    // A temporary name can only clash with a name that carries the marker itself, so without
    // such a name in the folder or the batch the temporary names need no look-up at all.
    void addTemporarySlots(const std::vector<RenamePair>& moves) {
        m_made.reserve(m_made.size() + moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i) {
            m_made.push_back(temporaryName(moves[i].to));
            m_moves[i].temporary = slotOf(keyOf(m_made.back()));
            setFirst(m_uses[m_moves[i].temporary].temporaryOwner, static_cast<std::uint32_t>(i));
        }
    }

    Key keyOf(const QString& name) {
        QStringView key = name;
        if (m_ignoreCase) {
            m_made.push_back(name.toCaseFolded());
            key = m_made.back();
        }
        m_marked = m_marked || key.startsWith(m_marker);
        return {key, m_slots.hashOf(key)};
    }

    // The use of the key's name, added when the name is new.
    std::uint32_t slotOf(const Key& key) {
        const auto [use, added] =
            m_slots.findOrAdd(key.hash, static_cast<qint32>(m_uses.size()), [&](qint32 at) {
                return m_uses[static_cast<std::size_t>(at)].name == key.name;
            });
        if (added)
            m_uses.push_back({key.name, {}});
        return static_cast<std::uint32_t>(use);
    }

    std::uint32_t index(const NameUse& use) const {
        return static_cast<std::uint32_t>(&use - m_uses.data());
    }

    static void setFirst(std::uint32_t& index, std::uint32_t i) {
        if (index == kNone)
            index = i;
    }

    bool m_ignoreCase;
    QString m_marker =
        m_ignoreCase ? QString(kTemporaryMarker).toCaseFolded() : QString(kTemporaryMarker);
    bool m_marked = false;
    NameSlots m_slots;
    std::vector<NameUse> m_uses;
    std::vector<Slots> m_moves;
    // Folded and temporary names; a QString's characters stay in place when the list grows.
    std::vector<QString> m_made;
};

using Refusal = BatchRefusal::Kind;

Refusal sourceRefusal(EntryKind kind) {
    switch (kind) {
    case EntryKind::File:
        return Refusal::None;
    case EntryKind::Missing:
        return Refusal::SourceMissing;
    case EntryKind::Unknown:
        return Refusal::SourceUnexaminable;
    default:
        return Refusal::SourceNotPlainFile;
    }
}

class Preflight {
public:
    Preflight(BatchKind kind, const std::vector<RenamePair>& moves, const NameTable& names,
              const std::vector<quint64>& listedFiles)
        : m_kind(kind), m_moves(moves), m_names(names), m_listedFiles(listedFiles) {}

    PreflightResult run() const {
        PreflightResult result;
        for (std::size_t i = 0; i < m_moves.size(); ++i) {
            if (m_names.move(i).to->targets > 1)
                result.duplicateTargets.push_back(i);
        }
        result.identities.reserve(m_moves.size());
        for (std::size_t i = 0; i < m_moves.size() && !result.refusal.refused(); ++i) {
            BatchRefusal& refusal = result.refusal;
            refusal.from = m_moves[i].from;
            refusal.to = m_moves[i].to;
            if (!checkNames(i, refusal) && !checkSource(i, result.identities, refusal))
                checkTargets(i, refusal);
        }
        if (!result.refusal.refused())
            result.refusal = {};
        return result;
    }

private:
    // Each check returns true when it refused the move.
    bool checkNames(std::size_t i, BatchRefusal& refusal) const {
        const RenamePair& move = m_moves[i];
        // Only the new name is ever built into a temporary one.
        for (const QString* name : {&move.from, &move.to}) {
            const NameFault fault = name == &move.to ? newNameFault(*name) : nameFault(*name);
            if (fault != NameFault::None) {
                refusal.kind = Refusal::InvalidName;
                refusal.name = *name;
                refusal.fault = fault;
                return true;
            }
        }
        // The photo list leaves hidden files out; an undo puts back whatever names there were.
        if (m_kind == BatchKind::Rename && move.to.startsWith(QLatin1Char('.')))
            refusal.kind = Refusal::HiddenName;
        else if (m_names.move(i).from->firstSource != i)
            refusal.kind = Refusal::ListedTwice;
        const NameUse& target = *m_names.move(i).to;
        if (refusal.refused())
            return true;
        if (target.firstTarget != i) {
            refusal.kind = Refusal::SameNewName;
            refusal.other = m_moves[target.firstTarget].from;
        } else if (target.temporaryOwner != kNone) {
            refusal.kind = Refusal::NewNameIsTemporary;
            refusal.other = m_moves[target.temporaryOwner].from;
        }
        return refusal.refused();
    }

    bool checkSource(std::size_t i, std::vector<FileIdentity>& identities,
                     BatchRefusal& refusal) const {
        const EntryInfo& source = m_names.move(i).from->onDisk;
        identities.push_back(source.identity);
        refusal.kind = sourceRefusal(source.kind);
        if (!refusal.refused() && !m_listedFiles.empty() &&
            !std::binary_search(m_listedFiles.begin(), m_listedFiles.end(), source.identity.inode))
            refusal.kind = Refusal::SourceReplaced;
        return refusal.refused();
    }

    // A final name held by a source of the batch is free by the second pass; a temporary name
    // must be free from the start.
    void checkTargets(std::size_t i, BatchRefusal& refusal) const {
        const NameUse& target = *m_names.move(i).to;
        if (target.firstSource == kNone && target.onDisk.kind != EntryKind::Missing) {
            refusal.kind = target.onDisk.kind == EntryKind::Unknown ? Refusal::NewNameUncheckable
                                                                    : Refusal::NewNameTaken;
            refusal.occupant = target.onDisk.kind;
            return;
        }
        const EntryKind temporary = m_names.move(i).temporary->onDisk.kind;
        if (temporary == EntryKind::Missing)
            return;
        refusal.kind = temporary == EntryKind::Unknown ? Refusal::TemporaryUncheckable
                                                       : Refusal::TemporaryTaken;
        refusal.name = temporaryName(m_moves[i].to);
        refusal.occupant = temporary;
    }

    BatchKind m_kind;
    const std::vector<RenamePair>& m_moves;
    const NameTable& m_names;
    const std::vector<quint64>& m_listedFiles;
};

} // namespace

PreflightResult preflightBatch(BatchKind kind, const QString& folder,
                               const std::vector<RenamePair>& moves, FileOps& ops,
                               const std::vector<quint64>& listedFiles) {
    const FolderEntries listing = ops.listFolder(folder);
    if (!listing.error.ok()) {
        PreflightResult refused;
        refused.refusal.kind = Refusal::FolderUnreadable;
        refused.refusal.name = folder;
        refused.refusal.error = listing.error;
        return refused;
    }
    const NameTable names(listing.entries, moves, ops.ignoresCase(folder, listing.entries));
    return Preflight(kind, moves, names, listedFiles).run();
}

} // namespace km
