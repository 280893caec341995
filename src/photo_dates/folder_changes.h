// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_descriptor.h"

#include <QString>
#include <functional>

namespace km {

// What the kernel notified about a watched folder.
struct FolderNotice {
    enum class Kind {
        File,   // the file `name` of the folder was written, touched, created, removed or moved
        Folder, // the folder itself was removed or moved: its watch has ended
        Lost,   // notifications were lost: anything may have changed in every folder
    };
    Kind kind;
    int watch = -1;
    QString name;
};

// Watches folders for changes to their files through the kernel's file change notifications
// (inotify), so that files nobody touched need not be stated again. Only folders on local file
// systems are watched: changes made by other machines to a network share are never notified.
// Writes through another hard link or to the target of a symbolic link are notified at the other
// place only, so such files have to be stated every time. Not notified at all: writes through a
// shared memory mapping, and writes through a hard link made elsewhere after the file was stated.
class FolderChanges {
public:
    FolderChanges();
    FolderChanges(const FolderChanges&) = delete;
    FolderChanges& operator=(const FolderChanges&) = delete;

    // Starts watching the open folder; the watch's number (the same for the same folder), or -1
    // when its changes cannot be notified.
    int watch(int folderFd);
    void unwatch(int watch);

    // Hands over every notice received since the last call, in order.
    void take(const std::function<void(const FolderNotice&)>& receive);

private:
    fs::FileDescriptor m_fd;
};

} // namespace km
