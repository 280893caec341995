// SPDX-License-Identifier: MIT
#include "records/durable_file.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace km {
namespace {

fs::FileError lastError() {
    return {errno, {}};
}

// Locked first where asked, so that nobody takes the file for abandoned before it is whole.
fs::FileError writeWhole(int fd, QByteArrayView bytes, AfterWriting after) {
    if (after == AfterWriting::KeepLocked && ::flock(fd, LOCK_EX | LOCK_NB) != 0)
        return lastError();
    fs::FileError error = fs::writeAll(fd, bytes);
    if (error.ok() && ::fsync(fd) != 0)
        error = lastError();
    return error;
}

} // namespace

DurableWrite writeRecordFile(const QString& folder, const QString& unfinishedName,
                             const QString& finalName, QByteArrayView bytes, AfterWriting after) {
    DurableWrite written;
    const QString inFolder = fs::withTrailingSeparator(folder);
    const QString unfinished = inFolder + unfinishedName;
    const QString finished = inFolder + finalName;
    const QByteArray native = fs::nativePath(unfinished);
    written.error = native.isEmpty() ? fs::unstorableName() : fs::makeFolders(folder);
    if (!written.error.ok())
        return written;
    written.fd =
        fs::FileDescriptor(::open(native.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
    if (written.fd.get() < 0) {
        written.error = lastError();
        return written;
    }
    written.error = writeWhole(written.fd.get(), bytes, after);
    if (written.error.ok())
        written.error = fs::renameNoReplace(unfinished, finished);
    if (!written.error.ok()) {
        ::unlink(native.constData());
    } else {
        written.error = fs::syncFolderEntries(folder);
        if (!written.error.ok())
            ::unlink(fs::nativePath(finished).constData());
    }
    if (!written.error.ok() || after == AfterWriting::Close)
        written.fd.reset();
    return written;
}

} // namespace km
