// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_descriptor.h"

#include <QString>
#include <QtGlobal>
#include <optional>

namespace km {

// What tells a file apart from every other one long after a batch renamed it, also after the
// program was closed: its device and inode number, and its birth time where the file system
// records one, since the inode number of a removed file may be given to the next new one. Cards
// and shares whose inode numbers are made up at each mount (FAT, exFAT, and what the program
// cannot tell) are known by size and modification time instead. An edit of the file's content in
// place keeps its inode identity, but changes the one made of size and time.
//
// A batch records no file's exact birth time, which would cost a call per file: every file it
// moves was born before the batch began, so that time, as the file system's clock gives it,
// stands in for each.
struct LastingIdentity {
    enum class Basis : quint8 { Inode, SizeAndTime };

    Basis basis = Basis::Inode;
    quint64 device = 0;
    quint64 inode = 0;
    // Nanoseconds since the epoch. As read now: the file's birth, where the file system records
    // it. As recorded: a time before which the file was born.
    std::optional<qint64> born;
    quint64 size = 0;
    qint64 modified = 0;

    bool operator==(const LastingIdentity&) const = default;
};

// True when `now` is the file that `recorded` was taken of: a file born since is another one.
bool sameFile(const LastingIdentity& recorded, const LastingIdentity& now);

// Reads the identities of the entries of one folder, on the basis its file system allows.
// Nanoseconds since the epoch on the clock the file system stamps new files with: every file
// that exists now was born before this time. (One made within the clock's tick after it may be
// stamped a little earlier: a file replaced that quickly, under a reused inode number, would
// pass for the one it replaced.)
qint64 fileClockNow();

class IdentityReader {
public:
    explicit IdentityReader(const QString& folder);

    // False when the folder could not be opened; errno tells why.
    bool isOpen() const { return m_folder.get() >= 0; }
    int openError() const { return m_openError; }
    int descriptor() const { return m_folder.get(); }
    LastingIdentity::Basis basis() const { return m_basis; }
    // Reads on the given basis instead, as on a card's file system.
    void setBasis(LastingIdentity::Basis basis) { m_basis = basis; }

    // The identity of the entry called name (a link is taken as itself, as a rename moves it);
    // nothing when there is no such entry or it cannot be examined.
    std::optional<LastingIdentity> read(const QString& name) const;

private:
    fs::FileDescriptor m_folder;
    int m_openError = 0;
    LastingIdentity::Basis m_basis = LastingIdentity::Basis::Inode;
};

} // namespace km
