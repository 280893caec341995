#include "rename/batch_preflight.h"

#include "rename/batch_names.h"

#include <QHash>

namespace km {

namespace {

constexpr std::size_t None = static_cast<std::size_t>(-1);

// Name keys of one batch: names compared exactly, or under case folding where the file system
// ignores case.
class BatchIndex {
public:
    BatchIndex(const std::vector<RenamePair>& moves, bool ignoreCase) : m_ignoreCase(ignoreCase) {
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const QString target = key(moves[i].to);
            insertFirst(m_firstSource, key(moves[i].from), i);
            insertFirst(m_firstTarget, target, i);
            m_targetCount[target] += 1;
            insertFirst(m_temporaryOwner, key(temporaryName(moves[i].to)), i);
        }
    }

    QString key(const QString& name) const { return m_ignoreCase ? name.toCaseFolded() : name; }

    std::size_t firstSource(const QString& name) const { return find(m_firstSource, name); }
    std::size_t firstTarget(const QString& name) const { return find(m_firstTarget, name); }
    std::size_t temporaryOwner(const QString& name) const { return find(m_temporaryOwner, name); }
    bool sharedTarget(const QString& name) const { return m_targetCount.value(key(name)) > 1; }

private:
    static void insertFirst(QHash<QString, std::size_t>& map, const QString& key, std::size_t i) {
        if (!map.contains(key))
            map.insert(key, i);
    }

    std::size_t find(const QHash<QString, std::size_t>& map, const QString& name) const {
        return map.value(key(name), None);
    }

    bool m_ignoreCase;
    QHash<QString, std::size_t> m_firstSource;
    QHash<QString, std::size_t> m_firstTarget;
    QHash<QString, int> m_targetCount;
    QHash<QString, std::size_t> m_temporaryOwner;
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

QString sourceProblem(const RenamePair& move, EntryKind kind) {
    switch (kind) {
    case EntryKind::File:
        return {};
    case EntryKind::Missing:
        return QStringLiteral("%1 is no longer in the folder").arg(quoted(move.from));
    case EntryKind::Unknown:
        return QStringLiteral("%1 cannot be examined").arg(quoted(move.from));
    default:
        return QStringLiteral("%1 is not a plain file").arg(quoted(move.from));
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
    Preflight(const QString& folder, const std::vector<RenamePair>& moves, FileOps& ops)
        : m_folder(folder), m_moves(moves), m_ops(ops), m_index(moves, ops.ignoresCase(folder)) {}

    PreflightResult run() {
        PreflightResult result;
        for (std::size_t i = 0; i < m_moves.size(); ++i) {
            if (m_index.sharedTarget(m_moves[i].to))
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
    QString check(std::size_t i, std::vector<FileIdentity>& identities) {
        QString problem = checkNames(i);
        if (problem.isEmpty())
            problem = checkSource(i, identities);
        if (problem.isEmpty())
            problem = checkTarget(i);
        return problem;
    }

    QString checkNames(std::size_t i) const {
        const RenamePair& move = m_moves[i];
        for (const QString& name : {move.from, move.to}) {
            const QString reason = invalidNameReason(name);
            if (!reason.isEmpty())
                return QStringLiteral("%1 is not a valid file name: %2").arg(quoted(name), reason);
        }
        if (m_index.firstSource(move.from) != i)
            return QStringLiteral("%1 is listed twice").arg(quoted(move.from));
        const std::size_t first = m_index.firstTarget(move.to);
        if (first != i)
            return QStringLiteral("%1 is also the new name of %2")
                .arg(quoted(move.to), quoted(m_moves[first].from));
        const std::size_t owner = m_index.temporaryOwner(move.to);
        if (owner != None)
            return QStringLiteral("%1 is also the temporary name used while renaming %2")
                .arg(quoted(move.to), quoted(m_moves[owner].from));
        return {};
    }

    QString checkSource(std::size_t i, std::vector<FileIdentity>& identities) {
        const EntryInfo source = m_ops.inspect(m_folder + m_moves[i].from);
        identities.push_back(source.identity);
        return sourceProblem(m_moves[i], source.kind);
    }

    // A final name held by a source of the batch is free by the second pass; a temporary name
    // must be free from the start.
    QString checkTarget(std::size_t i) {
        const QString& to = m_moves[i].to;
        if (m_index.firstSource(to) == None) {
            const QString problem = takenProblem(quoted(to), m_ops.inspect(m_folder + to).kind);
            if (!problem.isEmpty())
                return problem;
        }
        const QString temporary = temporaryName(to);
        return takenProblem(QStringLiteral("its temporary name %1").arg(quoted(temporary)),
                            m_ops.inspect(m_folder + temporary).kind);
    }

    const QString& m_folder;
    const std::vector<RenamePair>& m_moves;
    FileOps& m_ops;
    BatchIndex m_index;
};

} // namespace

PreflightResult preflightBatch(const QString& folder, const std::vector<RenamePair>& moves,
                               FileOps& ops) {
    return Preflight(folder, moves, ops).run();
}

} // namespace km
