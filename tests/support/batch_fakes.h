// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "batch/file_ops.h"
#include "journal/interrupted_batches.h"
#include "support/temp_folder.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

// An in-memory folder behind the FileOps interface; optionally ignoring letter case in names as
// FAT or NTFS do (names keep the case they were given).
class FakeFileOps final : public km::FileOps {
public:
    explicit FakeFileOps(QString folder, bool ignoreCase = false);

    void write(const QString& name, const QByteArray& content);
    void makeFolder(const QString& name);
    void remove(const QString& name);
    // Every entry with its content; folders map to "<dir>", as TempFolder::snapshot gives them.
    std::map<QString, QByteArray> snapshot() const;
    int syncCount() const { return m_syncs; }
    // Gives every entry a new inode number, as a FAT volume does when it is mounted again.
    void renumberInodes();

    km::fs::FileError renameNoReplace(const QString& from, const QString& to) override;
    km::FolderEntries listFolder(const QString& folder) override;
    bool ignoresCase(const QString& folder, const std::vector<km::FolderEntry>& entries) override;
    km::fs::FileError syncFolder(const QString& folder) override;

private:
    struct Entry {
        QString name;
        QByteArray content;
        bool folder = false;
        quint64 inode = 0;
    };

    // The entry's key, or an empty text when the path is not directly inside the folder.
    QString keyOf(const QString& path) const;

    QString m_folder;
    bool m_ignoreCase;
    std::map<QString, Entry> m_entries;
    quint64 m_nextInode = 1;
    int m_syncs = 0;
};

// Passes every call on to another FileOps; the fakes that sabotage a call derive from it.
class ForwardingFileOps : public km::FileOps {
public:
    explicit ForwardingFileOps(km::FileOps& inner) : m_inner(inner) {}

    km::fs::FileError renameNoReplace(const QString& from, const QString& to) override {
        return m_inner.renameNoReplace(from, to);
    }
    km::FolderEntries listFolder(const QString& folder) override {
        return m_inner.listFolder(folder);
    }
    bool ignoresCase(const QString& folder, const std::vector<km::FolderEntry>& entries) override {
        return m_inner.ignoresCase(folder, entries);
    }
    km::fs::FileError syncFolder(const QString& folder) override {
        return m_inner.syncFolder(folder);
    }

private:
    km::FileOps& m_inner;
};

// Chosen renames (counted from 1) fail, and actions can run just before chosen renames.
// Kills its own process just before rename number `killBefore` (counted from 1), or just before
// the folder is synced at the end of a batch: the same as being killed from outside at that point.
class KillingFileOps final : public ForwardingFileOps {
public:
    KillingFileOps(km::FileOps& inner, int killBefore, bool killAtSync = false)
        : ForwardingFileOps(inner), m_killBefore(killBefore), m_killAtSync(killAtSync) {}

    km::fs::FileError renameNoReplace(const QString& from, const QString& to) override;
    km::fs::FileError syncFolder(const QString& folder) override;

private:
    int m_killBefore;
    bool m_killAtSync;
    int m_renames = 0;
};

// Runs the work in a child process; true when the child was killed, false when it ended itself.
bool killedInChild(const std::function<void()>& work);

class ScriptedFileOps final : public ForwardingFileOps {
public:
    using ForwardingFileOps::ForwardingFileOps;

    void failRename(int number, int code);
    void beforeRename(int number, std::function<void()> action);
    int renameCount() const { return m_renames; }

    km::fs::FileError renameNoReplace(const QString& from, const QString& to) override;

private:
    std::map<int, int> m_failures;
    std::map<int, std::function<void()>> m_actions;
    int m_renames = 0;
};

// A folder for the batch tests in memory.
class FakeDisk {
public:
    static constexpr bool IsReal = false;

    FakeDisk() : m_ops(folder()) {}

    QString folder() const { return QStringLiteral("/photos/"); }
    km::FileOps& ops() { return m_ops; }
    void write(const QString& name, const QByteArray& content) { m_ops.write(name, content); }
    void makeFolder(const QString& name) { m_ops.makeFolder(name); }
    void remove(const QString& name) { m_ops.remove(name); }
    std::map<QString, QByteArray> snapshot() const { return m_ops.snapshot(); }

private:
    FakeFileOps m_ops;
};

// A folder for the batch tests on the real file system.
class RealDisk {
public:
    static constexpr bool IsReal = true;

    QString folder() const { return m_temp.pathWithSeparator(); }
    km::FileOps& ops() { return m_ops; }
    void write(const QString& name, const QByteArray& content) { m_temp.write(name, content); }
    void makeFolder(const QString& name) { m_temp.makeFolder(name); }
    void remove(const QString& name);
    std::map<QString, QByteArray> snapshot() const { return m_temp.snapshot(); }

private:
    TempFolder m_temp;
    km::DiskFileOps m_ops;
};

using Snapshot = std::map<QString, QByteArray>;

// Files whose content is their own name, as the tests create them.
Snapshot namedFiles(std::initializer_list<QString> names);
// Which file content sits under which name: "name <- content".
Snapshot moved(std::initializer_list<std::pair<QString, QString>> nameAndOldName);

// Runs the same tests in memory and on the real file system.
template <typename Disk> class DiskTest : public testing::Test {
protected:
    km::BatchPlan plan(std::vector<km::RenamePair> pairs) const {
        return {m_disk.folder(), std::move(pairs)};
    }
    void writeNamed(std::initializer_list<QString> names) {
        for (const QString& name : names)
            m_disk.write(name, name.toUtf8());
    }

    Disk m_disk;
};

using Disks = testing::Types<FakeDisk, RealDisk>;

struct DiskName {
    template <typename Disk> static std::string GetName(int /*index*/) {
        return Disk::IsReal ? "Real" : "Fake";
    }
};

// Answers the recovery questions from a script; an empty script leaves a question unanswered.
class ScriptedQuestions final : public km::RecoveryQuestions {
public:
    std::vector<std::optional<km::RecoveryDirection>> answers;
    int asked = 0;
    // The reasons of the damaged journals reported, and the questions about gone files and
    // temporary names, with the counts they were asked with.
    QStringList damaged;
    std::vector<km::WhereaboutsCount> forgetAsked;
    std::vector<km::WhereaboutsCount> giveBackAsked;

    void damagedJournal(const QString& reason, const QString&, const km::fs::FileError&) override {
        damaged << reason;
    }
    std::optional<bool> keepRecordOfMissingFolder(const km::JournalledBatch&) override {
        return true;
    }
    void unreadableFolder(const km::JournalledBatch&, const km::fs::FileError&) override {}
    std::optional<bool> forgetBatchWithNothingLeft(const km::JournalledBatch&,
                                                   const km::WhereaboutsCount& count) override {
        forgetAsked.push_back(count);
        return true;
    }
    std::optional<bool> giveBackTemporaryNames(const km::JournalledBatch&,
                                               const km::WhereaboutsCount& count) override {
        giveBackAsked.push_back(count);
        return true;
    }
    std::optional<km::RecoveryDirection> finishOrRollBack(const km::JournalledBatch&,
                                                          const km::WhereaboutsCount&) override {
        ++asked;
        if (answers.empty())
            return std::nullopt;
        const auto answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
    void recovered(const km::RecoveryReport&) override {}
};
