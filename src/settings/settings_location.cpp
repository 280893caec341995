// SPDX-License-Identifier: MIT
#include "settings/settings_location.h"

#include "files/file_system.h"

#include <QDir>
#include <QStandardPaths>
#include <unistd.h>

namespace km {

QString settingsFolder(const QString& programFolder,
                       const std::function<bool(const QString&)>& isWritableFolder,
                       const QString& userConfigFolder) {
    if (isWritableFolder(programFolder) || userConfigFolder.isEmpty())
        return programFolder;
    QDir().mkpath(userConfigFolder);
    return userConfigFolder;
}

QString settingsFolder(const QString& programFolder) {
    const auto writable = [](const QString& folder) {
        const QByteArray path = fs::nativePath(folder);
        return !path.isEmpty() && access(path.constData(), W_OK | X_OK) == 0;
    };
    return settingsFolder(programFolder, writable,
                          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

} // namespace km
