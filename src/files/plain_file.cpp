// SPDX-License-Identifier: MIT
#include "files/plain_file.h"

#include "files/file_system.h"

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace km::fs {

namespace {

OpenedPlainFile failed(int code) {
    OpenedPlainFile file;
    file.problem = code == ENOENT || code == ENOTDIR ? ReadProblem::Missing : ReadProblem::Failed;
    file.error = code;
    return file;
}

OpenedPlainFile notPlain() {
    OpenedPlainFile file;
    file.problem = ReadProblem::NotPlainFile;
    return file;
}

} // namespace

OpenedPlainFile openPlainFile(int folderFd, const char* name) {
    struct stat before {};
    if (::fstatat(folderFd, name, &before, 0) != 0)
        return failed(errno);
    if (!S_ISREG(before.st_mode))
        return notPlain();
    OpenedPlainFile file;
    file.fd =
        FileDescriptor(::openat(folderFd, name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd.get() < 0)
        return failed(errno);
    if (::fstat(file.fd.get(), &file.info) != 0)
        return failed(errno);
    if (!S_ISREG(file.info.st_mode))
        return notPlain();
    return file;
}

OpenedPlainFile openPlainFile(const QString& path) {
    const QByteArray native = nativePath(path);
    if (native.isEmpty())
        return failed(path.isEmpty() ? ENOENT : EINVAL);
    return openPlainFile(AT_FDCWD, native.constData());
}

QString readProblemReason(ReadProblem problem, int error) {
    switch (problem) {
    case ReadProblem::NotPlainFile:
        return QCoreApplication::translate("FileErrors",
                                           "it is no plain file but a pipe, a device or a folder");
    case ReadProblem::TooLarge:
        return QCoreApplication::translate(
            "FileErrors", "it is larger than any file of its kind Kestrelmark writes");
    case ReadProblem::None:
        return {};
    case ReadProblem::Missing:
    case ReadProblem::Failed:
        break;
    }
    return errorText(error);
}

PlainFileBytes readPlainFile(const QString& path, qint64 maxBytes) {
    PlainFileBytes result;
    const OpenedPlainFile file = openPlainFile(path);
    if (!file.ok()) {
        result.problem = file.problem;
        result.error = file.error;
        return result;
    }
    if (file.info.st_size > maxBytes) {
        result.problem = ReadProblem::TooLarge;
        return result;
    }
    result.bytes.reserve(static_cast<qsizetype>(std::max<qint64>(file.info.st_size, 0)));
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t count = ::read(file.fd.get(), buffer, sizeof buffer);
        if (count == 0)
            return result;
        if (count < 0) {
            if (errno == EINTR)
                continue;
            result.problem = ReadProblem::Failed;
            result.error = errno;
            result.bytes.clear();
            return result;
        }
        if (result.bytes.size() + count > maxBytes) {
            result.problem = ReadProblem::TooLarge;
            result.bytes = QByteArray();
            return result;
        }
        result.bytes.append(buffer, count);
    }
}

} // namespace km::fs
