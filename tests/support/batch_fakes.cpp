// SPDX-License-Identifier: MIT
#include "support/batch_fakes.h"

#include <QFile>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

FakeFileOps::FakeFileOps(QString folder, bool ignoreCase)
    : m_folder(std::move(folder)), m_ignoreCase(ignoreCase) {}

void FakeFileOps::write(const QString& name, const QByteArray& content) {
    m_entries[keyOf(m_folder + name)] = Entry{name, content, false, m_nextInode++};
}

void FakeFileOps::makeFolder(const QString& name) {
    m_entries[keyOf(m_folder + name)] = Entry{name, {}, true, m_nextInode++};
}

void FakeFileOps::remove(const QString& name) {
    m_entries.erase(keyOf(m_folder + name));
}

void FakeFileOps::renumberInodes() {
    for (auto& [key, entry] : m_entries)
        entry.inode = m_nextInode++;
}

std::map<QString, QByteArray> FakeFileOps::snapshot() const {
    std::map<QString, QByteArray> entries;
    for (const auto& [key, entry] : m_entries)
        entries[entry.name] = entry.folder ? QByteArray("<dir>") : entry.content;
    return entries;
}

QString FakeFileOps::keyOf(const QString& path) const {
    if (!path.startsWith(m_folder))
        return {};
    const QString name = path.mid(m_folder.size());
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QChar(u'\0')))
        return {};
    return m_ignoreCase ? name.toCaseFolded() : name;
}

km::fs::FileError FakeFileOps::renameNoReplace(const QString& from, const QString& to) {
    const QString source = keyOf(from);
    const QString target = keyOf(to);
    const auto found = m_entries.find(source);
    if (source.isEmpty() || target.isEmpty() || found == m_entries.end())
        return {ENOENT, km::fs::errorText(ENOENT)};
    if (m_entries.count(target) != 0)
        return {EEXIST, km::fs::errorText(EEXIST)};
    Entry entry = found->second;
    entry.name = to.mid(m_folder.size());
    m_entries.erase(found);
    m_entries[target] = entry;
    return {};
}

km::FolderEntries FakeFileOps::listFolder(const QString& folder) {
    km::FolderEntries listing;
    if (folder != m_folder) {
        listing.error = {ENOENT, km::fs::errorText(ENOENT)};
        return listing;
    }
    for (const auto& [key, entry] : m_entries) {
        const km::EntryKind kind = entry.folder ? km::EntryKind::Folder : km::EntryKind::File;
        listing.entries.push_back({entry.name, {kind, {entry.inode}}});
    }
    return listing;
}

bool FakeFileOps::ignoresCase(const QString& /*folder*/,
                              const std::vector<km::FolderEntry>& /*entries*/) {
    return m_ignoreCase;
}

km::fs::FileError FakeFileOps::syncFolder(const QString& /*folder*/) {
    ++m_syncs;
    return {};
}

void ScriptedFileOps::failRename(int number, int code) {
    m_failures[number] = code;
}

void ScriptedFileOps::beforeRename(int number, std::function<void()> action) {
    m_actions[number] = std::move(action);
}

km::fs::FileError ScriptedFileOps::renameNoReplace(const QString& from, const QString& to) {
    const int number = ++m_renames;
    if (const auto action = m_actions.find(number); action != m_actions.end())
        action->second();
    if (const auto failure = m_failures.find(number); failure != m_failures.end())
        return {failure->second, km::fs::errorText(failure->second)};
    return ForwardingFileOps::renameNoReplace(from, to);
}

void RealDisk::remove(const QString& name) {
    ASSERT_TRUE(QFile::remove(m_temp.filePath(name))) << name.toStdString();
}

Snapshot namedFiles(std::initializer_list<QString> names) {
    Snapshot files;
    for (const QString& name : names)
        files[name] = name.toUtf8();
    return files;
}

Snapshot moved(std::initializer_list<std::pair<QString, QString>> nameAndOldName) {
    Snapshot files;
    for (const auto& [name, oldName] : nameAndOldName)
        files[name] = oldName.toUtf8();
    return files;
}

km::fs::FileError KillingFileOps::renameNoReplace(const QString& from, const QString& to) {
    if (++m_renames == m_killBefore)
        std::raise(SIGKILL);
    return ForwardingFileOps::renameNoReplace(from, to);
}

km::fs::FileError KillingFileOps::syncFolder(const QString& folder) {
    if (m_killAtSync)
        std::raise(SIGKILL);
    return ForwardingFileOps::syncFolder(folder);
}

bool killedInChild(const std::function<void()>& work) {
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        work();
        _exit(0);
    }
    int status = 0;
    EXPECT_EQ(waitpid(child, &status, 0), child);
    if (WIFSIGNALED(status)) {
        EXPECT_EQ(WTERMSIG(status), SIGKILL);
        return true;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    return false;
}
