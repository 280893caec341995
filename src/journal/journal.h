// SPDX-License-Identifier: MIT
#pragma once

#include "batch/journalled_batch.h"
#include "files/file_descriptor.h"
#include "files/plain_file.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace km {

// The journal of a batch rename
// -----------------------------
// While a rename or an undo runs, files carry temporary names ("_KM_" + final name) that say
// nothing of where they came from. So before the first file is touched, the batch is written to
// a journal file, flushed and synced together with its folder. It is removed once every file is
// in a consistent place again (all renamed, or all moved back after a failure), after the photo
// folder itself has been synced; it stays while a failed roll-back leaves files stranded. A
// journal whose lock is free therefore describes a batch that was interrupted (or stranded
// files), and recovery (recovery.h) can finish it or roll it back. Each batch has its own file.
//
// Format (version 2; version 1 had neither the "ended" nor the "identity" line): text, lines
// ended by LF, fields separated by TAB.
//
//     KESTRELMARK-JOURNAL<TAB>2
//     kind<TAB>rename                  ("rename" or "undo")
//     ended<TAB>rolled-back            (only once the batch failed and was rolled back)
//     folder<TAB>/home/ann/Pictures/   (the batch's folder, ending with "/")
//     identity<TAB>...                 (how its files are known again; see record_lines.h)
//     count<TAB>2                      (the number of move lines that follow)
//     move<TAB>1835011<TAB>foto_002.jpg<TAB>foto_001.jpg
//     move<TAB>1835012<TAB>foto_001.jpg<TAB>foto_002.jpg
//     end
//
// One move line per file, in the order the batch moves them: the file's inode number before the
// batch, the name it had and the name it gets; its temporary name is "_KM_" + the name it gets.
// Where the file system's inode numbers do not last, the identity line says so and each move
// line carries two more fields: the file's size and modification time. A file is only ever taken
// for the batch's own when the entry under one of its names matches that identity. For an undo,
// a move goes from the name the rename gave to the original name. Folder and names are the file
// system's bytes, with "%" and every byte below 0x20 or equal to 0x7F written as "%" and two
// upper-case hex digits, so TAB, CR and LF never appear inside a field and every name comes back
// exactly. A file that does not end with the "end" line, has more or fewer move lines than
// counted, holds a name that could leave the folder ("/", ".", "..", NUL), moves a file twice,
// gives one name to two files or names another file's temporary name is damaged and never acted
// on.

// The journal text of a batch.
QByteArray encodeJournal(const JournalledBatch& record);

// The batch a journal text describes; nothing, with the reason in `error`, when it is damaged.
std::optional<JournalledBatch> decodeJournal(const QByteArray& text, QString* error);

// The journals of batches, one file per batch in one folder. A batch holds an exclusive lock
// (flock) on its journal from begin() until end() or release(), so that a journal whose lock is
// free belongs to a batch that no running copy of the program is carrying out.
class JournalFile final : public BatchJournal {
public:
    // Batches write their journals into `folder` (created when missing), one new file per begin().
    explicit JournalFile(QString folder);
    // Lets go of the lock; a journal not ended stays on disk.
    ~JournalFile() override;
    JournalFile(const JournalFile&) = delete;
    JournalFile& operator=(const JournalFile&) = delete;

    // The current journal's path; empty before begin() and after end() or release().
    const QString& path() const { return m_path; }

    // Writes the record to a fresh file under a lock, syncs it, gives it a new name ending in
    // ".journal" and syncs the folder; never replaces a file. A journal still held is released.
    fs::FileError begin(const JournalledBatch& record) override;
    // Removes the current journal (one already gone is no error), syncs the folder and unlocks.
    fs::FileError end() override;
    // Notes in the journal that its batch failed and was rolled back, leaving files stranded.
    fs::FileError rolledBack() override;
    // Unlocks and forgets the current journal, leaving it on disk for a later start.
    void release();

    // Takes over the journal at path: nothing when another process (or another JournalFile of
    // this one) holds its lock, when the file is gone or was removed meanwhile, or when it is no
    // plain file (then *problem says so; a pipe or a device is never opened).
    static std::unique_ptr<JournalFile> claim(const QString& path,
                                              fs::ReadProblem* problem = nullptr);

private:
    fs::FileError writeLocked(const QString& name, const QByteArray& text,
                              fs::FileDescriptor& fd) const;

    QString m_folder;
    QString m_path;
    fs::FileDescriptor m_fd;
};

// The journals in folder (names ending in ".journal", the single journal of earlier versions
// included), oldest first. Removes the unfinished files of begin() calls cut short on the way.
QStringList journalsIn(const QString& folder);

enum class JournalStatus { Absent, Loaded, Damaged };

struct LoadedJournal {
    JournalStatus status = JournalStatus::Absent;
    JournalledBatch batch;
    // Why the journal cannot be used, for the user (when Damaged).
    QString message;
};

// Reads the journal at path: Absent when there is none, Damaged when it cannot be read or parsed.
LoadedJournal loadJournal(const QString& path);

// Renames a damaged journal to "<path>.damaged-<n>" with the lowest n not yet taken, so that it is
// out of the way but never lost; the new path goes to *asidePath.
fs::FileError setJournalAside(const QString& path, QString* asidePath = nullptr);

// Deletes a journal the user decided to give up and syncs its folder; the caller holds its claim.
fs::FileError discardJournal(const QString& path);

} // namespace km
