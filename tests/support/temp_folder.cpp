// SPDX-License-Identifier: MIT
#include "support/temp_folder.h"

#include "files/file_names.h"
#include "files/file_system.h"

#include <QDir>
#include <QFile>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The content of a file by its native path; "<unreadable>" when it cannot be read.
QByteArray contentOf(const QByteArray& path) {
    QFile file;
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return "<unreadable>";
    return file.readAll();
}

} // namespace

TempFolder::TempFolder() {
    EXPECT_TRUE(m_dir.isValid());
}

// Qt's own removal cannot name files whose names are not UTF-8; those go first.
TempFolder::~TempFolder() {
    km::fs::readFolderEntries(path(), [](const QString& name, int folderFd, const dirent& entry) {
        if (km::fs::hasRawBytes(name))
            unlinkat(folderFd, entry.d_name, 0);
    });
}

QString TempFolder::path() const {
    return m_dir.path();
}

QString TempFolder::pathWithSeparator() const {
    return m_dir.path() + QLatin1Char('/');
}

QString TempFolder::filePath(const QString& name) const {
    return m_dir.filePath(name);
}

// Names go through the file layer, so names that are not UTF-8 get their very bytes.
void TempFolder::write(const QString& name, const QByteArray& content) const {
    const QByteArray path = km::fs::nativePath(filePath(name));
    QFile file;
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    ASSERT_TRUE(fd >= 0 && file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        << path.toStdString();
    ASSERT_EQ(file.write(content), content.size());
}

void TempFolder::writeNamed(std::initializer_list<QString> names) const {
    for (const QString& name : names)
        write(name, name.toUtf8());
}

void TempFolder::makeFolder(const QString& name) const {
    ASSERT_TRUE(QDir(path()).mkdir(name));
}

void TempFolder::makePipe(const QString& name) const {
    ASSERT_EQ(::mkfifo(km::fs::nativePath(filePath(name)).constData(), 0600), 0);
}

void TempFolder::makeLink(const QString& name, const QString& target) const {
    ASSERT_EQ(::symlink(km::fs::nativePath(target).constData(),
                        km::fs::nativePath(filePath(name)).constData()),
              0);
}

std::map<QString, QByteArray> TempFolder::snapshot() const {
    std::map<QString, QByteArray> entries;
    const km::fs::FileError error =
        km::fs::readFolderEntries(path(), [&](QString name, int folderFd, const dirent& entry) {
            struct stat info {};
            if (fstatat(folderFd, entry.d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISDIR(info.st_mode)) {
                entries[name] = "<dir>";
                return;
            }
            // A pipe or a device (or a link to one) is never read: it may block or never end.
            if (fstatat(folderFd, entry.d_name, &info, 0) == 0 && !S_ISREG(info.st_mode)) {
                entries[name] = "<special>";
                return;
            }
            entries[name] = contentOf(km::fs::nativePath(filePath(name)));
        });
    EXPECT_TRUE(error.ok()) << error.message.toStdString();
    return entries;
}
