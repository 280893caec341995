// SPDX-License-Identifier: MIT
#include "journal/recovery.h"

#include "batch/batch_mover.h"
#include "batch/name_rules.h"

#include <QHash>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cerrno>
#include <sys/stat.h>

namespace km {

namespace {

// Tells whether an entry of the folder is the file a move of the record was taken of: the same
// inode number (on the folder's recorded device, and born before the batch began), or, where
// the file system makes inode numbers up at each mount, the same size and modification time.
// A record of an earlier version knows its files by inode number alone.
class RecordedFiles {
public:
    explicit RecordedFiles(const JournalledBatch& record)
        : m_record(record), m_reader(record.folder) {
        if (!m_record.known || !m_reader.isOpen())
            return;
        m_reader.setBasis(m_record.known->basis);
        struct stat folder {};
        if (m_record.known->basis == LastingIdentity::Basis::Inode &&
            ::fstat(m_reader.descriptor(), &folder) == 0)
            m_otherDevice = static_cast<quint64>(folder.st_dev) != m_record.known->device;
    }

    bool holds(const BatchMove& move, const QString& name, const EntryInfo& entry) const {
        if (entry.kind != EntryKind::File)
            return false;
        if (!m_record.known)
            return entry.identity == move.identity;
        if (m_record.known->basis == LastingIdentity::Basis::SizeAndTime) {
            const std::optional<LastingIdentity> now = m_reader.read(name);
            return now && sameFile(recordedIdentity(m_record, move), *now);
        }
        if (entry.identity != move.identity || m_otherDevice)
            return false;
        // A file born since the batch began took a freed inode number: it is another file.
        const std::optional<LastingIdentity> now =
            m_record.known->born ? m_reader.read(name) : std::nullopt;
        return !now || !now->born || *now->born < *m_record.known->born;
    }

private:
    const JournalledBatch& m_record;
    IdentityReader m_reader;
    bool m_otherDevice = false;
};

// Places each file of the record where an entry holds it, and nowhere else: under its old,
// temporary or new name. A name held by another file is not the batch's, whatever it is called.
std::vector<Whereabouts> locate(const JournalledBatch& record,
                                const std::vector<FolderEntry>& entries) {
    QHash<QString, EntryInfo> present;
    present.reserve(static_cast<qsizetype>(entries.size()));
    for (const FolderEntry& entry : entries)
        present.insert(entry.name, entry.info);
    const RecordedFiles recorded(record);
    std::vector<Whereabouts> files;
    files.reserve(record.moves.size());
    QString temporary;
    for (const BatchMove& move : record.moves) {
        temporary = temporaryName(move.to);
        const std::array<std::pair<const QString*, Whereabouts>, 3> places{
            {{&temporary, Whereabouts::AtTemporary},
             {&move.from, Whereabouts::AtFrom},
             {&move.to, Whereabouts::AtTo}}};
        const std::size_t placeCount = move.from == move.to ? 2 : 3;
        int holding = 0;
        bool taken = false;
        Whereabouts place = Whereabouts::NotFound;
        for (std::size_t i = 0; i < placeCount; ++i) {
            const auto found = present.constFind(*places[i].first);
            if (found == present.cend())
                continue;
            taken = true;
            if (recorded.holds(move, *places[i].first, *found)) {
                ++holding;
                place = places[i].second;
            }
        }
        if (holding > 1)
            place = Whereabouts::Ambiguous;
        else if (holding == 0 && taken)
            place = Whereabouts::Replaced;
        files.push_back(place);
    }
    return files;
}

MoveName moveNameOf(Whereabouts whereabouts) {
    switch (whereabouts) {
    case Whereabouts::AtTemporary:
        return MoveName::Temporary;
    case Whereabouts::AtTo:
        return MoveName::To;
    default:
        return MoveName::From;
    }
}

// Moves located files on towards one end, phase by phase, noting what it could not do. Each
// file goes on its own: one that cannot move stays where it is, and the others go on, as each
// move is checked by identity and never replaces a file.
class Recovery {
public:
    Recovery(const JournalledBatch& record, std::vector<Whereabouts> files,
             RecoveryDirection direction, FileOps& ops)
        : m_record(record), m_files(std::move(files)),
          // A batch that was rolled back already is never finished.
          m_direction(record.ended == BatchEnd::RolledBack ? RecoveryDirection::RollBack
                                                           : direction),
          m_ops(ops) {}

    void run() {
        const bool finishing = m_direction == RecoveryDirection::Finish;
        const Whereabouts start = finishing ? Whereabouts::AtFrom : Whereabouts::AtTo;
        const Whereabouts end = finishing ? Whereabouts::AtTo : Whereabouts::AtFrom;
        // A batch that was rolled back already has only its temporary names to give back.
        if (m_record.ended != BatchEnd::RolledBack)
            phase(start, Whereabouts::AtTemporary);
        phase(Whereabouts::AtTemporary, end);
    }

    // Every file of the batch that is in the folder reached the end, or, for a batch rolled
    // back already, none is left under a temporary name.
    bool consistent() const {
        const Whereabouts end =
            m_direction == RecoveryDirection::Finish ? Whereabouts::AtTo : Whereabouts::AtFrom;
        for (const Whereabouts place : m_files) {
            if (place == Whereabouts::AtTemporary || place == Whereabouts::Ambiguous)
                return false;
            if (m_record.ended != BatchEnd::RolledBack &&
                (place == Whereabouts::AtFrom || place == Whereabouts::AtTo) && place != end)
                return false;
        }
        return true;
    }

    RecoveryDirection direction() const { return m_direction; }
    const std::vector<Whereabouts>& files() const { return m_files; }
    qsizetype renamed() const { return m_moved; }
    std::vector<RecoveryReport::FailedMove>& failures() { return m_failures; }

    bool moved() const { return m_moved > 0; }

private:
    // Moves every file at `origin` to `target`: in batch order when finishing, in reverse order
    // when rolling back, as the batch itself would.
    void phase(Whereabouts origin, Whereabouts target) {
        const bool finishing = m_direction == RecoveryDirection::Finish;
        const std::size_t count = m_files.size();
        for (std::size_t step = 0; step < count; ++step) {
            const std::size_t i = finishing ? step : count - 1 - step;
            const BatchMove& move = m_record.moves[i];
            if (m_files[i] != origin)
                continue;
            const QString from = nameAt(move.from, move.to, moveNameOf(origin));
            const QString to = nameAt(move.from, move.to, moveNameOf(target));
            const fs::FileError error =
                m_ops.renameNoReplace(m_record.folder + from, m_record.folder + to);
            if (!error.ok()) {
                m_failures.push_back({from, to, error});
                continue;
            }
            m_files[i] = target;
            if (target != Whereabouts::AtTemporary)
                ++m_moved;
        }
    }

    const JournalledBatch& m_record;
    std::vector<Whereabouts> m_files;
    RecoveryDirection m_direction;
    FileOps& m_ops;
    std::vector<RecoveryReport::FailedMove> m_failures;
    qsizetype m_moved = 0;
};

} // namespace

BatchWhereabouts locateFiles(const JournalledBatch& record, FileOps& ops) {
    BatchWhereabouts result;
    const FolderEntries listing = ops.listFolder(record.folder);
    result.folderError = listing.error;
    if (listing.error.ok())
        result.files = locate(record, listing.entries);
    return result;
}

WhereaboutsCount countWhereabouts(const std::vector<Whereabouts>& files) {
    WhereaboutsCount count;
    for (const Whereabouts place : files) {
        if (place == Whereabouts::NotFound || place == Whereabouts::Replaced)
            ++count.gone;
        if (place == Whereabouts::Replaced)
            ++count.replaced;
        if (place == Whereabouts::AtTemporary)
            ++count.temporary;
    }
    return count;
}

RecoveryReport recoverBatch(const JournalledBatch& record, RecoveryDirection direction,
                            FileOps& ops, BatchJournal& journal) {
    RecoveryReport report;
    BatchWhereabouts located = locateFiles(record, ops);
    if (!located.folderError.ok()) {
        report.folderMissing = located.folderError.isGone();
        report.folderError = located.folderError;
        report.message = recoveryMessage(record, report);
        return report;
    }
    Recovery recovery(record, std::move(located.files), direction, ops);
    recovery.run();
    report.moved = recovery.moved();
    report.consistent = recovery.consistent();
    report.direction = recovery.direction();
    report.files = recovery.files();
    report.renamed = recovery.renamed();
    report.failures = std::move(recovery.failures());
    if (report.consistent) {
        ops.syncFolder(record.folder);
        report.journalError = journal.end();
    } else if (report.direction == RecoveryDirection::RollBack) {
        journal.rolledBack();
    }
    report.message = recoveryMessage(record, report);
    return report;
}

} // namespace km
