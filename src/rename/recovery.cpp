// SPDX-License-Identifier: MIT
#include "rename/recovery.h"

#include "rename/batch_mover.h"
#include "rename/message_text.h"
#include "rename/name_rules.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <functional>

namespace km {

namespace {

// The files of the folder by exact name: the batch gave every file it moved exactly the name it
// asked for, even where the file system ignores case.
class PresentFiles {
public:
    explicit PresentFiles(const std::vector<FolderEntry>& entries) {
        m_files.reserve(static_cast<qsizetype>(entries.size()));
        for (const FolderEntry& entry : entries) {
            if (entry.info.kind == EntryKind::File)
                m_files.insert(entry.name, entry.info.identity);
        }
    }

    bool has(const QString& name) const { return m_files.contains(name); }
    bool holds(const QString& name, const FileIdentity& identity) const {
        const auto found = m_files.constFind(name);
        return found != m_files.cend() && *found == identity;
    }

private:
    QHash<QString, FileIdentity> m_files;
};

class Locator {
public:
    Locator(const BatchRecord& record, const PresentFiles& present)
        : m_moves(record.moves), m_present(present),
          m_files(record.moves.size(), Whereabouts::NotFound) {}

    std::vector<Whereabouts> locate() {
        std::vector<std::size_t> open;
        for (std::size_t i = 0; i < m_moves.size(); ++i) {
            const BatchMove& move = m_moves[i];
            if (m_present.has(temporaryName(move.to)))
                m_files[i] = Whereabouts::AtTemporary;
            else if (move.from == move.to)
                m_files[i] = m_present.has(move.from) ? Whereabouts::AtFrom : Whereabouts::NotFound;
            else
                open.push_back(i);
        }
        if (open.size() == m_moves.size())
            locateWithoutTemporaries(open);
        else
            locateAroundTemporaries(open);
        return m_files;
    }

private:
    using NameOf = std::function<const QString&(const BatchMove&)>;

    static const QString& fromName(const BatchMove& move) { return move.from; }
    static const QString& toName(const BatchMove& move) { return move.to; }

    bool allPresent(const std::vector<std::size_t>& open, const NameOf& name) const {
        for (const std::size_t i : open) {
            if (!m_present.has(name(m_moves[i])))
                return false;
        }
        return true;
    }

    bool allIdentified(const std::vector<std::size_t>& open, const NameOf& name) const {
        for (const std::size_t i : open) {
            if (!m_present.holds(name(m_moves[i]), m_moves[i].identity))
                return false;
        }
        return true;
    }

    void assign(const std::vector<std::size_t>& open, Whereabouts place) {
        for (const std::size_t i : open)
            m_files[i] = place;
    }

    // With no file under a temporary name, the batch has either not begun or moved every file:
    // all files are under their old names or all under their new ones. Only when both fit do the
    // recorded inode numbers have to decide.
    void locateWithoutTemporaries(const std::vector<std::size_t>& open) {
        bool atFrom = allPresent(open, fromName);
        bool atTo = allPresent(open, toName);
        if (atFrom && atTo) {
            atFrom = allIdentified(open, fromName);
            atTo = allIdentified(open, toName);
            if (atFrom == atTo) {
                assign(open, Whereabouts::Ambiguous);
                return;
            }
        }
        if (atFrom)
            assign(open, Whereabouts::AtFrom);
        else if (atTo)
            assign(open, Whereabouts::AtTo);
        else
            locateOneByOne(open);
    }

    // The batch, its roll-back and recovery all move files in list order (or its reverse), one
    // phase at a time, so the files under temporary names form one block: at the start of the
    // list, the others still under their old names, or at its end, the others under their new
    // names.
    void locateAroundTemporaries(const std::vector<std::size_t>& open) {
        const auto first = std::find(m_files.begin(), m_files.end(), Whereabouts::AtTemporary);
        const auto last = std::find(m_files.rbegin(), m_files.rend(), Whereabouts::AtTemporary);
        const bool oneBlock = std::all_of(first, last.base(), [](Whereabouts place) {
            return place == Whereabouts::AtTemporary;
        });
        if (oneBlock && first == m_files.begin())
            assignWhereFound(open, Whereabouts::AtFrom, fromName);
        else if (oneBlock && last == m_files.rbegin())
            assignWhereFound(open, Whereabouts::AtTo, toName);
        else
            locateOneByOne(open);
    }

    void assignWhereFound(const std::vector<std::size_t>& open, Whereabouts place,
                          const NameOf& name) {
        std::vector<std::size_t> missing;
        for (const std::size_t i : open) {
            if (m_present.has(name(m_moves[i])))
                m_files[i] = place;
            else
                missing.push_back(i);
        }
        locateOneByOne(missing);
    }

    // Something outside the batch changed the folder: a file is placed only where its inode
    // number confirms it.
    void locateOneByOne(const std::vector<std::size_t>& open) {
        for (const std::size_t i : open) {
            const BatchMove& move = m_moves[i];
            const bool underFrom = m_present.holds(move.from, move.identity);
            const bool underTo = m_present.holds(move.to, move.identity);
            if (underFrom != underTo)
                m_files[i] = underFrom ? Whereabouts::AtFrom : Whereabouts::AtTo;
            else if (m_present.has(move.from) || m_present.has(move.to))
                m_files[i] = Whereabouts::Ambiguous;
        }
    }

    const std::vector<BatchMove>& m_moves;
    const PresentFiles& m_present;
    std::vector<Whereabouts> m_files;
};

Place placeOf(Whereabouts whereabouts) {
    switch (whereabouts) {
    case Whereabouts::AtTemporary:
        return Place::Temporary;
    case Whereabouts::AtTo:
        return Place::To;
    default:
        return Place::From;
    }
}

// Moves located files on towards one end, phase by phase, noting what it could not do.
class Recovery {
public:
    Recovery(const BatchRecord& record, std::vector<Whereabouts> files, RecoveryDirection direction,
             FileOps& ops)
        : m_record(record), m_files(std::move(files)), m_direction(direction), m_ops(ops) {}

    // True when every file reached the end.
    bool run() {
        reportUnlocated();
        const Whereabouts start = finishing() ? Whereabouts::AtFrom : Whereabouts::AtTo;
        const Whereabouts end = finishing() ? Whereabouts::AtTo : Whereabouts::AtFrom;
        // The second phase must not start while a file still holds a name it may need.
        if (phase(start, Whereabouts::AtTemporary))
            phase(Whereabouts::AtTemporary, end);
        return m_problems.isEmpty();
    }

    const QStringList& problems() const { return m_problems; }

private:
    bool finishing() const { return m_direction == RecoveryDirection::Finish; }

    void reportUnlocated() {
        for (std::size_t i = 0; i < m_files.size(); ++i) {
            const BatchMove& move = m_record.moves[i];
            if (m_files[i] == Whereabouts::NotFound)
                m_problems << QStringLiteral("%1 (to be renamed to %2) cannot be found.")
                                  .arg(quoted(move.from), quoted(move.to));
            else if (m_files[i] == Whereabouts::Ambiguous)
                m_problems << QStringLiteral("Which file is %1 (to be renamed to %2) cannot be "
                                             "told for certain.")
                                  .arg(quoted(move.from), quoted(move.to));
        }
    }

    // Moves every file at `origin` to `target`: in batch order when finishing, in reverse order
    // when rolling back, as the batch itself would. It stops at the first failure, so that the
    // files under temporary names still form one block for a later recovery.
    bool phase(Whereabouts origin, Whereabouts target) {
        const std::size_t count = m_files.size();
        for (std::size_t step = 0; step < count; ++step) {
            const std::size_t i = finishing() ? step : count - 1 - step;
            const BatchMove& move = m_record.moves[i];
            if (m_files[i] != origin)
                continue;
            const QString from = nameAt(move.from, move.to, placeOf(origin));
            const QString to = nameAt(move.from, move.to, placeOf(target));
            const fs::FileError error =
                m_ops.renameNoReplace(m_record.folder + from, m_record.folder + to);
            if (!error.ok()) {
                m_problems << QStringLiteral("Renaming %1 to %2 failed: %3.")
                                  .arg(quoted(from), quoted(to), error.message);
                return false;
            }
            m_files[i] = target;
        }
        return true;
    }

    const BatchRecord& m_record;
    std::vector<Whereabouts> m_files;
    RecoveryDirection m_direction;
    FileOps& m_ops;
    QStringList m_problems;
};

QString heading(const BatchRecord& record, RecoveryDirection direction) {
    const QString batch =
        record.kind == BatchKind::Rename ? QStringLiteral("rename") : QStringLiteral("undo");
    const QString outcome = direction == RecoveryDirection::Finish
                                ? QStringLiteral("could not be finished")
                                : QStringLiteral("could not be rolled back");
    return QStringLiteral("The interrupted %1 in %2 %3:")
        .arg(batch, quoted(record.folder), outcome);
}

} // namespace

BatchWhereabouts locateFiles(const BatchRecord& record, FileOps& ops) {
    BatchWhereabouts result;
    const FolderEntries listing = ops.listFolder(record.folder);
    result.folderError = listing.error;
    if (listing.error.ok())
        result.files = Locator(record, PresentFiles(listing.entries)).locate();
    return result;
}

RecoveryReport recoverBatch(const BatchRecord& record, RecoveryDirection direction, FileOps& ops,
                            BatchJournal& journal) {
    RecoveryReport report;
    BatchWhereabouts located = locateFiles(record, ops);
    if (!located.folderError.ok()) {
        const int code = located.folderError.code;
        report.folderMissing = code == ENOENT || code == ENOTDIR;
        report.message =
            QStringLiteral("The folder %1 of an interrupted rename cannot be read: %2.")
                .arg(quoted(record.folder), located.folderError.message);
        return report;
    }
    Recovery recovery(record, std::move(located.files), direction, ops);
    if (!recovery.run()) {
        report.message = joinLines(QStringList{heading(record, direction)} + recovery.problems());
        return report;
    }
    ops.syncFolder(record.folder);
    report.consistent = true;
    report.message = journal.end().message;
    return report;
}

} // namespace km
