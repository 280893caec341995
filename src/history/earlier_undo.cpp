// SPDX-License-Identifier: MIT
#include "history/earlier_undo.h"

#include "files/folded_name.h"
#include "files/lasting_identity.h"
#include "files/message_text.h"

#include <QSet>
#include <cerrno>
#include <unordered_map>

namespace km {

namespace {

constexpr std::size_t kLeftAloneListed = 20;

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

QString leftAloneLine(const LeftAloneFile& file) {
    switch (file.reason) {
    case LeftAloneReason::Removed:
        return QStringLiteral("%1 is no longer there.").arg(quoted(file.name));
    case LeftAloneReason::Replaced:
        return QStringLiteral("%1 is another file now.").arg(quoted(file.name));
    case LeftAloneReason::RenamedAgain:
        return QStringLiteral("%1 was renamed again, to %2.")
            .arg(quoted(file.name), quoted(file.other));
    case LeftAloneReason::OriginalNameTaken:
        break;
    }
    return QStringLiteral("%1: its earlier name %2 is taken.")
        .arg(quoted(file.name), quoted(file.other));
}

} // namespace

EarlierUndoPlan planEarlierUndo(const HistoryEntry& entry, FileOps& ops) {
    EarlierUndoPlan plan;
    plan.record.folder = entry.folder;
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
        plan.record.pairs.push_back({file->original, file->renamed});
    return plan;
}

EarlierBatchState earlierBatchState(const EarlierUndoPlan& plan) {
    if (plan.folderError.isGone())
        return EarlierBatchState::FolderGone;
    if (!plan.folderError.ok())
        return EarlierBatchState::FolderUnreadable;
    return plan.leftAlone.empty() ? EarlierBatchState::AsLeft : EarlierBatchState::ChangedSince;
}

QString earlierUndoMessage(const EarlierUndoPlan& plan, const BatchOutcome& outcome) {
    const QString& folder = plan.record.folder;
    const EarlierBatchState state = earlierBatchState(plan);
    if (state == EarlierBatchState::FolderGone)
        return QStringLiteral("The folder %1 is gone; nothing was renamed.").arg(quoted(folder));
    if (state == EarlierBatchState::FolderUnreadable)
        return QStringLiteral("The folder %1 cannot be read: %2. Nothing was renamed.")
            .arg(quoted(folder), plan.folderError.message);
    QStringList lines;
    const std::size_t back = outcome.done ? plan.record.pairs.size() : 0;
    lines << (back == 1 ? QStringLiteral("1 file got its name back.")
                        : QStringLiteral("%1 files got their names back.").arg(back));
    if (!outcome.message.isEmpty())
        lines << outcome.message;
    if (!plan.leftAlone.empty()) {
        lines << QStringLiteral("These files were left alone:");
        for (std::size_t i = 0; i < plan.leftAlone.size() && i < kLeftAloneListed; ++i)
            lines << leftAloneLine(plan.leftAlone[i]);
        if (plan.leftAlone.size() > kLeftAloneListed)
            lines << QStringLiteral("and %1 more").arg(plan.leftAlone.size() - kLeftAloneListed);
    }
    return joinLines(lines);
}

} // namespace km
