// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

namespace km {

// Whether a program in this folder is an installed copy: the folder is the one the build
// installs the program into, or a shared program folder (named bin or sbin, as /usr/bin,
// /usr/local/bin or ~/.local/bin), which is never a copy's folder of its own.
bool isInstalledProgramFolder(const QString& programFolder, const QString& installFolder);

// The folder that holds the settings file: the program's own folder when it can be written (a
// portable copy), else the user's configuration folder (an installed program). Reading and
// writing both use the folder chosen at start.
QString settingsFolder(const QString& programFolder,
                       const std::function<bool(const QString&)>& isWritableFolder,
                       const QString& userConfigFolder);

// The same with the real file system and the user's configuration folder for this program; an
// installed copy uses the configuration folder even where it could write beside itself (root).
QString settingsFolder(const QString& programFolder);

} // namespace km
