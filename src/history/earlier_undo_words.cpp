// SPDX-License-Identifier: MIT
#include "batch/batch_words.h"
#include "files/message_text.h"
#include "history/earlier_undo.h"

#include <QCoreApplication>
#include <QStringList>

namespace km {

namespace {

// At most this many files left alone are named; the rest are counted.
constexpr std::size_t kLeftAloneListed = 20;

class EarlierUndoWords {
    Q_DECLARE_TR_FUNCTIONS(EarlierUndoWords)

public:
    static QString leftAloneLine(const LeftAloneFile& file) {
        switch (file.reason) {
        case LeftAloneReason::Removed:
            return tr("%1 is no longer there.").arg(quoted(file.name));
        case LeftAloneReason::Replaced:
            return tr("%1 is another file now.").arg(quoted(file.name));
        case LeftAloneReason::RenamedAgain:
            return tr("%1 was renamed again, to %2.").arg(quoted(file.name), quoted(file.other));
        case LeftAloneReason::OriginalNameTaken:
            break;
        }
        return tr("%1: its earlier name %2 is taken.").arg(quoted(file.name), quoted(file.other));
    }

    static QString message(const EarlierUndoPlan& plan, const BatchOutcome& outcome) {
        const QString& folder = plan.goingBack.folder;
        const EarlierBatchState state = earlierBatchState(plan);
        if (state == EarlierBatchState::FolderGone)
            return tr("The folder %1 is gone; nothing was renamed.").arg(quoted(folder));
        if (state == EarlierBatchState::FolderUnreadable)
            return tr("The folder %1 cannot be read: %2. Nothing was renamed.")
                .arg(quoted(folder), plan.folderError.message);
        QStringList lines;
        const std::size_t back = outcome.done ? plan.goingBack.pairs.size() : 0;
        lines << (back == 1 ? tr("1 file got its name back.")
                            : tr("%1 files got their names back.").arg(back));
        if (const QString batch = batchMessage(outcome); !batch.isEmpty())
            lines << batch;
        if (!plan.leftAlone.empty()) {
            lines << tr("These files were left alone:");
            for (std::size_t i = 0; i < plan.leftAlone.size() && i < kLeftAloneListed; ++i)
                lines << leftAloneLine(plan.leftAlone[i]);
            if (plan.leftAlone.size() > kLeftAloneListed)
                lines << tr("and %1 more").arg(plan.leftAlone.size() - kLeftAloneListed);
        }
        return joinLines(lines);
    }
};

} // namespace

QString earlierUndoMessage(const EarlierUndoPlan& plan, const BatchOutcome& outcome) {
    return EarlierUndoWords::message(plan, outcome);
}

QString damagedRecordMessage(const QString& path, const QString& damage) {
    return EarlierUndoWords::tr("The record %1 is damaged (%2); nothing was renamed.")
        .arg(quoted(path), damage);
}

} // namespace km
