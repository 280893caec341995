// SPDX-License-Identifier: MIT
#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TempFolder::TempFolder() {
    EXPECT_TRUE(m_dir.isValid());
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

void TempFolder::write(const QString& name, const QByteArray& content) const {
    QFile file(filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << name.toStdString();
    ASSERT_EQ(file.write(content), content.size());
}

void TempFolder::writeNamed(std::initializer_list<QString> names) const {
    for (const QString& name : names)
        write(name, name.toUtf8());
}

void TempFolder::makeFolder(const QString& name) const {
    ASSERT_TRUE(QDir(path()).mkdir(name));
}

std::map<QString, QByteArray> TempFolder::snapshot() const {
    std::map<QString, QByteArray> entries;
    const QDir dir(path());
    const auto filter = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    for (const QFileInfo& info : dir.entryInfoList(filter)) {
        if (info.isDir() && !info.isSymLink()) {
            entries[info.fileName()] = "<dir>";
            continue;
        }
        QFile file(info.filePath());
        entries[info.fileName()] = file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
    }
    return entries;
}
