// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_descriptor.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <sys/stat.h>

namespace km::fs {

// Why a file could not be read. A name that leads to a pipe, a device or a folder is never
// opened, as opening or reading those may block for good or never end.
enum class ReadProblem { None, Missing, NotPlainFile, TooLarge, Failed };

// A plain file opened for reading, links followed; `fd` holds none when `problem` says why.
struct OpenedPlainFile {
    FileDescriptor fd;
    struct stat info {};
    ReadProblem problem = ReadProblem::None;
    // The errno value of the call that failed, for Missing and Failed.
    int error = 0;

    bool ok() const { return problem == ReadProblem::None; }
};

// Opens name (relative to folderFd, or a path with AT_FDCWD) to read, only when it is a plain
// file: it is stated first, opened without blocking (in case it was replaced by a pipe since)
// and stated again through the open descriptor.
OpenedPlainFile openPlainFile(int folderFd, const char* name);
OpenedPlainFile openPlainFile(const QString& path);

// A whole file's bytes, or why they could not be read.
struct PlainFileBytes {
    QByteArray bytes;
    ReadProblem problem = ReadProblem::None;
    int error = 0;

    bool ok() const { return problem == ReadProblem::None; }
};

// Why a file could not be read, for the user: "it is no plain file but ...", or the errno text.
QString readProblemReason(ReadProblem problem, int error);

// Reads a plain file whole when it holds at most maxBytes; a larger one (as stated, or as it
// turns out while read) is TooLarge and nothing of it is kept. Room is taken for what the file
// claims only up to maxBytes.
PlainFileBytes readPlainFile(const QString& path, qint64 maxBytes);

} // namespace km::fs
