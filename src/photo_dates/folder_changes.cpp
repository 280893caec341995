// SPDX-License-Identifier: MIT
#include "photo_dates/folder_changes.h"

#include "files/file_names.h"

#include <QByteArray>
#include <cstring>
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/statfs.h>
#include <unistd.h>

namespace km {
namespace {

constexpr uint32_t kFileChanges =
    IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr uint32_t kFolderChanges = IN_DELETE_SELF | IN_MOVE_SELF | IN_UNMOUNT | IN_IGNORED;

// File systems whose every change goes through this machine's kernel, where it is notified.
bool changesAreNotified(int folderFd) {
    struct statfs info {};
    if (fstatfs(folderFd, &info) != 0)
        return false;
    switch (static_cast<long>(info.f_type)) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
    case BTRFS_SUPER_MAGIC:
    case XFS_SUPER_MAGIC:
    case TMPFS_MAGIC:
    case MSDOS_SUPER_MAGIC:
    case EXFAT_SUPER_MAGIC:
    case F2FS_SUPER_MAGIC:
        return true;
    default:
        return false;
    }
}

} // namespace

FolderChanges::FolderChanges() : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

int FolderChanges::watch(int folderFd) {
    if (m_fd.get() < 0 || !changesAreNotified(folderFd))
        return -1;
    // Through the open descriptor, so the watch is on the folder that was opened even if another
    // one has taken its path since.
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(folderFd);
    return inotify_add_watch(m_fd.get(), path.constData(),
                             kFileChanges | kFolderChanges | IN_ONLYDIR);
}

void FolderChanges::unwatch(int watch) {
    if (m_fd.get() >= 0 && watch >= 0)
        inotify_rm_watch(m_fd.get(), watch);
}

void FolderChanges::take(const std::function<void(const FolderNotice&)>& receive) {
    if (m_fd.get() < 0)
        return;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = ::read(m_fd.get(), buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t at = 0; at + ssize_t(sizeof(inotify_event)) <= length;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            const char* name = buffer + at + sizeof event;
            at += ssize_t(sizeof event) + event.len;
            if (event.mask & IN_Q_OVERFLOW)
                receive({FolderNotice::Kind::Lost, -1, {}});
            else if (event.mask & kFolderChanges)
                receive({FolderNotice::Kind::Folder, event.wd, {}});
            else if (event.len > 0 && at <= length)
                receive({FolderNotice::Kind::File, event.wd,
                         fs::nameFromBytes(QByteArrayView(name, qstrnlen(name, event.len)))});
        }
    }
}

} // namespace km
