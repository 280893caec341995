// SPDX-License-Identifier: MIT
#include "settings/settings_location.h"

#include "files/file_system.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <unistd.h>

namespace km {

bool isInstalledProgramFolder(const QString& programFolder, const QString& installFolder) {
    const QString folder = QDir::cleanPath(programFolder);
    const QString name = QFileInfo(folder).fileName();
    return folder == QDir::cleanPath(installFolder) || name == QLatin1String("bin") ||
           name == QLatin1String("sbin");
}

QString settingsFolder(const QString& programFolder,
                       const std::function<bool(const QString&)>& isWritableFolder,
                       const QString& userConfigFolder) {
    if (isWritableFolder(programFolder) || userConfigFolder.isEmpty())
        return programFolder;
    QDir().mkpath(userConfigFolder);
    return userConfigFolder;
}

QString settingsFolder(const QString& programFolder) {
    // The program's folder comes resolved from /proc/self/exe; so must the one it is compared to.
    const QFileInfo installFolder(QStringLiteral(KESTRELMARK_INSTALL_BINDIR));
    const bool installed = isInstalledProgramFolder(
        programFolder, installFolder.exists() ? installFolder.canonicalFilePath()
                                              : installFolder.absoluteFilePath());
    const auto writableOwnFolder = [installed](const QString& folder) {
        const QByteArray path = fs::nativePath(folder);
        return !installed && !path.isEmpty() && access(path.constData(), W_OK | X_OK) == 0;
    };
    return settingsFolder(programFolder, writableOwnFolder,
                          QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
}

} // namespace km
