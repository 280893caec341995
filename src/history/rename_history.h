// SPDX-License-Identifier: MIT
#pragma once

#include "files/lasting_identity.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace km {

// The history of earlier renames
// ------------------------------
// Every batch that moved at least one file (a rename, an undo, a recovery that finished an
// interrupted batch) is recorded when it ends, so that it can be undone later, also after the
// program was closed: one file per batch (history_folder.h).
//
// Format (version 1): text, lines ended by LF, fields separated by TAB.
//
//     KESTRELMARK-HISTORY<TAB>1
//     when<TAB>1765139741123            (UTC milliseconds since 1970 when the batch began)
//     folder<TAB>/home/ann/Pictures/    (the batch's folder, ending with "/")
//     identity<TAB>inode<TAB>2049<TAB>1765139741120000000
//     count<TAB>2                       (the number of file lines that follow)
//     file<TAB>IMG_0001.JPG<TAB>foto_001.JPG<TAB>1835011
//     file<TAB>IMG_0002.JPG<TAB>foto_002.JPG<TAB>1835012
//     end
//
// The identity line says how the files are known again: "inode", the folder's device number and
// a time before which every file was born (nanoseconds since 1970 on the file system's clock);
// each file line then ends with the file's inode number. Or "size" alone: each file line then
// ends with the file's size and modification time (nanoseconds since 1970). A file line holds
// the name the file had before the batch and the name the batch gave it, written as journals
// write names (name_field.h). A file that does not end with the "end" line, has more or fewer
// file lines than counted, or holds a name that could leave the folder is damaged.

// One file of an earlier batch: its name before, its name after, and what it was.
struct HistoryFile {
    QString original;
    QString renamed;
    LastingIdentity identity;

    bool operator==(const HistoryFile&) const = default;
};

struct HistoryEntry {
    qint64 when = 0;
    QString folder;
    std::vector<HistoryFile> files;

    bool operator==(const HistoryEntry&) const = default;
};

// A history text written file by file, so that a large batch needs no list of its files first.
class HistoryWriter {
public:
    // `shared` gives every file's identity basis, and on the inode basis their device and birth
    // bound; `files` files are to follow.
    HistoryWriter(qint64 when, const QString& folder, const LastingIdentity& shared,
                  std::size_t files);

    void add(const QString& original, const QString& renamed, const LastingIdentity& identity);
    // The whole text, once every file was added.
    QByteArray finish();

private:
    QByteArray m_text;
};

// The history text of a batch. Every file must have the identity basis of the first, and, on
// the inode basis, its device and birth bound.
QByteArray encodeHistory(const HistoryEntry& entry);

// The batch a history text describes; nothing, with the reason in `error`, when it is damaged.
std::optional<HistoryEntry> decodeHistory(const QByteArray& text, QString* error);

} // namespace km
