// SPDX-License-Identifier: MIT
#include "files/lasting_identity.h"

#include "files/file_system.h"

#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace km {

namespace {

// File systems whose inode numbers are made up when they are mounted (FAT, exFAT), may be
// (SMB shares mounted without server inode numbers) or cannot be known (FUSE drivers).
bool inodeNumbersChangeAtMount(int folderFd) {
    const std::optional<unsigned long> type = fs::fileSystemType(folderFd);
    return !type || fs::isForeignFileSystem(*type);
}

qint64 nanoseconds(const struct statx_timestamp& time) {
    return static_cast<qint64>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

} // namespace

bool sameFile(const LastingIdentity& recorded, const LastingIdentity& now) {
    if (recorded.basis != now.basis)
        return false;
    if (recorded.basis == LastingIdentity::Basis::SizeAndTime)
        return recorded.size == now.size && recorded.modified == now.modified;
    if (recorded.inode != now.inode || recorded.device != now.device)
        return false;
    return !recorded.born || !now.born || *now.born < *recorded.born;
}

// The precise clock: file systems stamp a new file from it or from its coarse copy, which lags
// it by a tick at most, so a file made before now is never stamped later than now.
qint64 fileClockNow() {
    struct timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<qint64>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

IdentityReader::IdentityReader(const QString& folder) : m_folder(fs::openFolder(folder)) {
    if (m_folder.get() < 0)
        m_openError = errno;
    else if (inodeNumbersChangeAtMount(m_folder.get()))
        m_basis = LastingIdentity::Basis::SizeAndTime;
}

std::optional<LastingIdentity> IdentityReader::read(const QString& name) const {
    const QByteArray native = fs::nativePath(name);
    if (native.isEmpty() || m_folder.get() < 0)
        return std::nullopt;
    const bool byInode = m_basis == LastingIdentity::Basis::Inode;
    const unsigned int mask = byInode ? STATX_INO | STATX_BTIME : STATX_SIZE | STATX_MTIME;
    struct statx info {};
    if (statx(m_folder.get(), native.constData(), AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC, mask,
              &info) != 0)
        return std::nullopt;
    LastingIdentity identity;
    identity.basis = m_basis;
    if (byInode) {
        identity.device = makedev(info.stx_dev_major, info.stx_dev_minor);
        identity.inode = info.stx_ino;
        if (info.stx_mask & STATX_BTIME)
            identity.born = nanoseconds(info.stx_btime);
    } else {
        identity.size = info.stx_size;
        identity.modified = nanoseconds(info.stx_mtime);
    }
    return identity;
}

} // namespace km
