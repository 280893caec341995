// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_system.h"

namespace km::fs {

// The ways renameNoReplaceAt renames a file without replacing an existing one, each for two native
// names relative to the folder open as folderFd; it takes them in this order, as far as the file
// system allows. Each fails with EEXIST when `to` exists.

// One atomic rename that refuses an existing target (renameat2 with RENAME_NOREPLACE).
FileError renameWithNoReplaceFlag(int folderFd, const char* from, const char* to);
// The error of a file system without that flag.
bool noReplaceFlagUnsupported(int code);

// A hard link under the new name, which refuses an existing target, then the old name removed.
FileError renameByHardLink(int folderFd, const char* from, const char* to);
// The error of a file system without hard links.
bool hardLinkUnsupported(int code);

// A look for the target, then a plain rename: the last resort, with a moment between the two.
FileError renameAfterCheck(int folderFd, const char* from, const char* to);

// The result with its text telling what holds `to` when that refused the rename.
FileError toldAsTaken(int folderFd, const char* to, FileError result);

} // namespace km::fs
