// SPDX-License-Identifier: MIT
#include "files/no_replace_rename.h"

#include <QCoreApplication>
#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

namespace km::fs {

FileError renameWithNoReplaceFlag(int folderFd, const char* from, const char* to) {
    if (renameat2(folderFd, from, folderFd, to, RENAME_NOREPLACE) == 0)
        return {};
    return fromErrno(errno);
}

FileError renameByHardLink(int folderFd, const char* from, const char* to) {
    if (linkat(folderFd, from, folderFd, to, 0) != 0)
        return fromErrno(errno);
    if (unlinkat(folderFd, from, 0) != 0) {
        const int code = errno;
        unlinkat(folderFd, to, 0);
        return fromErrno(code);
    }
    return {};
}

FileError renameAfterCheck(int folderFd, const char* from, const char* to) {
    struct stat info {};
    if (fstatat(folderFd, to, &info, AT_SYMLINK_NOFOLLOW) == 0)
        return fromErrno(EEXIST);
    if (errno != ENOENT)
        return fromErrno(errno);
    if (renameat(folderFd, from, folderFd, to) != 0)
        return fromErrno(errno);
    return {};
}

bool noReplaceFlagUnsupported(int code) {
    return code == EINVAL || code == ENOSYS || code == EOPNOTSUPP;
}

bool hardLinkUnsupported(int code) {
    return code == EPERM || code == EOPNOTSUPP || code == ENOSYS || code == EMLINK;
}

FileError toldAsTaken(int folderFd, const char* to, FileError result) {
    // What holds the name is told as it is: a folder in the way is no file.
    struct stat info {};
    if (result.code == EEXIST && fstatat(folderFd, to, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
        S_ISDIR(info.st_mode))
        result.message =
            QCoreApplication::translate("FileErrors", "a folder of that name already exists");
    return result;
}

} // namespace km::fs
