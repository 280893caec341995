// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_system.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <strings.h>

namespace km::bench {

// A temporary folder of empty camera-named JPEG files (DSC_1.JPG ...), every third with its
// extension in lower case.
class PhotoFolder {
public:
    explicit PhotoFolder(int count) {
        for (int i = 1; i <= count; ++i) {
            const QString name =
                QStringLiteral("DSC_%1.%2").arg(i).arg(i % 3 ? QStringLiteral("JPG") : "jpg");
            if (FILE* file = std::fopen(QFile::encodeName(m_dir.filePath(name)).constData(), "w"))
                std::fclose(file);
        }
    }

    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// The least a listing of a folder's JPEG files can do: readdir, the same filter ignoring case and
// the same natural sort as the program.
inline QStringList bareJpegListing(const QString& folder) {
    QStringList names;
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return names;
    while (const dirent* entry = readdir(dir)) {
        const size_t length = std::strlen(entry->d_name);
        if (entry->d_name[0] != '.' && length >= 4 &&
            strcasecmp(entry->d_name + length - 4, ".jpg") == 0)
            names.append(QFile::decodeName(entry->d_name));
    }
    closedir(dir);
    km::fs::sortNaturally(names);
    return names;
}

} // namespace km::bench
