// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_descriptor.h"
#include "files/file_system.h"

#include <QByteArrayView>
#include <QString>

namespace km {

// How a record file is written: kept open and locked (flock) for its writer, or closed.
enum class AfterWriting { Close, KeepLocked };

// A record file written whole, or why not; `fd` is open only with AfterWriting::KeepLocked.
struct DurableWrite {
    fs::FileError error;
    fs::FileDescriptor fd;
};

// The one way the program writes a new record file (a journal, a history entry), so that a crash
// at any moment leaves either no file under `finalName` or a whole one: the folder is made when
// missing; the bytes go into a fresh file `unfinishedName` (O_EXCL, mode 0600; locked first with
// KeepLocked), which is synced, given `finalName` by the rename that never replaces, and the
// folder synced. When a step fails nothing of it is left, and the error holds the errno value of
// the call that failed (its message empty: the caller says what could not be kept).
DurableWrite writeRecordFile(const QString& folder, const QString& unfinishedName,
                             const QString& finalName, QByteArrayView bytes, AfterWriting after);

} // namespace km
