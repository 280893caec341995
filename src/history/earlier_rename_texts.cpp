// SPDX-License-Identifier: MIT
#include "history/earlier_rename_texts.h"

#include "history/earlier_undo.h"

#include <QCoreApplication>
#include <QDateTime>

namespace km {
namespace {

class EarlierRowWords {
    Q_DECLARE_TR_FUNCTIONS(EarlierRowWords)
};

QString earlierStateText(const LoadedHistory& loaded, FileOps& ops) {
    if (!loaded.entry)
        return EarlierRowWords::tr("damaged");
    switch (earlierBatchState(planEarlierUndo(*loaded.entry, ops))) {
    case EarlierBatchState::AsLeft:
        return EarlierRowWords::tr("all files as left");
    case EarlierBatchState::ChangedSince:
        return EarlierRowWords::tr("some changed since");
    case EarlierBatchState::FolderGone:
        return EarlierRowWords::tr("folder gone");
    case EarlierBatchState::FolderUnreadable:
        break;
    }
    return EarlierRowWords::tr("folder cannot be read");
}

EarlierRenameTexts earlierRenameText(const LoadedHistory& loaded, FileOps& ops) {
    EarlierRenameTexts row;
    row.state = earlierStateText(loaded, ops);
    if (!loaded.entry) {
        row.folder = loaded.path;
        row.example = loaded.damage;
        return row;
    }
    const HistoryEntry& entry = *loaded.entry;
    row.when = QDateTime::fromMSecsSinceEpoch(entry.when)
                   .toLocalTime()
                   .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    row.folder = entry.folder;
    row.files = QString::number(entry.files.size());
    if (!entry.files.empty())
        row.example =
            entry.files.front().original + QStringLiteral(" -> ") + entry.files.front().renamed;
    return row;
}

} // namespace

std::vector<EarlierRenameTexts> earlierRenameTexts(const std::vector<LoadedHistory>& batches,
                                                   FileOps& ops) {
    std::vector<EarlierRenameTexts> rows;
    rows.reserve(batches.size());
    for (const LoadedHistory& loaded : batches)
        rows.push_back(earlierRenameText(loaded, ops));
    return rows;
}

} // namespace km
