// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <map>

// A fresh folder for one test, removed with everything in it when the test ends.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path, without a trailing separator.
    QString path() const;
    // The folder's path with a trailing separator, as the program keeps folders.
    QString pathWithSeparator() const;
    QString filePath(const QString& name) const;

    // Creates (or replaces) a file with the given content.
    void write(const QString& name, const QByteArray& content) const;
    // Creates several files, each holding its own name as content.
    void writeNamed(std::initializer_list<QString> names) const;
    void makeFolder(const QString& name) const;
    // A named pipe (FIFO), as a hostile or careless program may leave where a file was.
    void makePipe(const QString& name) const;
    // A symbolic link to target (a path), such as /dev/zero.
    void makeLink(const QString& name, const QString& target) const;

    // Every entry of the folder (hidden ones too) with its content; folders map to "<dir>".
    std::map<QString, QByteArray> snapshot() const;

private:
    QTemporaryDir m_dir;
};
