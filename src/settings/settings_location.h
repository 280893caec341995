// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <functional>

namespace km {

// The folder that holds the settings file: the program's own folder when it can be written (a
// portable copy), else the user's configuration folder (an installed program). Reading and
// writing both use the folder chosen at start.
QString settingsFolder(const QString& programFolder,
                       const std::function<bool(const QString&)>& isWritableFolder,
                       const QString& userConfigFolder);

// The same with the real file system and the user's configuration folder for this program.
QString settingsFolder(const QString& programFolder);

} // namespace km
