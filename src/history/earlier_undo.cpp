// SPDX-License-Identifier: MIT
#include "history/earlier_undo.h"

#include "files/folded_name.h"
#include "files/lasting_identity.h"

#include <QSet>
#include <cerrno>
#include <unordered_map>

namespace km {

namespace {

// The folder's names as the file system compares them, and where each inode is.
class FolderNames {
public:
    FolderNames(const FolderEntries& listing, bool ignoreCase) : m_ignoreCase(ignoreCase) {
        for (const FolderEntry& entry : listing.entries) {
            m_names.insert(key(entry.name));
            m_inodes.emplace(entry.info.identity.inode, entry.name);
        }
    }

    QString key(const QString& name) const {
        if (!m_ignoreCase)
            return name;
        QString scratch;
        return foldInto(scratch, name).toString();
    }
    bool holds(const QString& name) const { return m_names.contains(key(name)); }
    // A name, other than `except`, of an entry with that inode number; empty when none.
    QString nameOfInode(quint64 inode, const QString& except) const {
        const auto [first, last] = m_inodes.equal_range(inode);
        for (auto it = first; it != last; ++it) {
            if (it->second != except)
                return it->second;
        }
        return {};
    }

private:
    bool m_ignoreCase;
    QSet<QString> m_names;
    std::unordered_multimap<quint64, QString> m_inodes;
};

// Where the file went when it is not under the name the batch gave it; empty when unknown.
QString renamedTo(const HistoryFile& file, const FolderNames& names, const IdentityReader& reader) {
    if (file.identity.basis != LastingIdentity::Basis::Inode)
        return {};
    const QString other = names.nameOfInode(file.identity.inode, file.renamed);
    const std::optional<LastingIdentity> now = other.isEmpty() ? std::nullopt : reader.read(other);
    return now && sameFile(file.identity, *now) ? other : QString();
}

// Takes out of `going` every file whose name before is taken by an entry that stays, until none
// is left: a file that stays keeps its name taken in turn.
void leaveAloneWhereTaken(std::vector<const HistoryFile*>& going, const FolderNames& names,
                          std::vector<LeftAloneFile>& leftAlone) {
    for (bool changed = true; changed;) {
        changed = false;
        QSet<QString> freed;
        for (const HistoryFile* file : going)
            freed.insert(names.key(file->renamed));
        for (auto it = going.begin(); it != going.end();) {
            const HistoryFile& file = **it;
            if (names.holds(file.original) && !freed.contains(names.key(file.original))) {
                leftAlone.push_back(
                    {file.renamed, LeftAloneReason::OriginalNameTaken, file.original});
                it = going.erase(it);
                changed = true;
            } else {
                ++it;
            }
        }
    }
}

} // namespace

EarlierUndoPlan planEarlierUndo(const HistoryEntry& entry, FileOps& ops) {
    EarlierUndoPlan plan;
    plan.goingBack.folder = entry.folder;
    IdentityReader reader(entry.folder);
    if (!reader.isOpen()) {
        plan.folderError = fs::fromErrno(reader.openError());
        return plan;
    }
    const FolderEntries listing = ops.listFolder(entry.folder);
    if (!listing.error.ok()) {
        plan.folderError = listing.error;
        return plan;
    }
    if (!entry.files.empty())
        reader.setBasis(entry.files.front().identity.basis);
    const FolderNames names(listing, ops.ignoresCase(entry.folder, listing.entries));
    std::vector<const HistoryFile*> going;
    for (const HistoryFile& file : entry.files) {
        const std::optional<LastingIdentity> now = reader.read(file.renamed);
        if (now && sameFile(file.identity, *now)) {
            going.push_back(&file);
            continue;
        }
        const QString elsewhere = renamedTo(file, names, reader);
        if (!elsewhere.isEmpty())
            plan.leftAlone.push_back({file.renamed, LeftAloneReason::RenamedAgain, elsewhere});
        else
            plan.leftAlone.push_back(
                {file.renamed, now ? LeftAloneReason::Replaced : LeftAloneReason::Removed, {}});
    }
    leaveAloneWhereTaken(going, names, plan.leftAlone);
    for (const HistoryFile* file : going)
        plan.goingBack.pairs.push_back({file->original, file->renamed});
    return plan;
}

EarlierBatchState earlierBatchState(const EarlierUndoPlan& plan) {
    if (plan.folderError.isGone())
        return EarlierBatchState::FolderGone;
    if (!plan.folderError.ok())
        return EarlierBatchState::FolderUnreadable;
    return plan.leftAlone.empty() ? EarlierBatchState::AsLeft : EarlierBatchState::ChangedSince;
}

} // namespace km
