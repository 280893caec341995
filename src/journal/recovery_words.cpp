// SPDX-License-Identifier: MIT
#include "batch/name_rules.h"
#include "files/message_text.h"
#include "journal/recovery.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>

namespace km {

namespace {

// At most this many files are named in a message; the rest are counted.
constexpr qsizetype kNamedFiles = 5;

class RecoveryWords {
    Q_DECLARE_TR_FUNCTIONS(RecoveryWords)

public:
    static QString heading(const JournalledBatch& record, const RecoveryReport& report) {
        const QString folder = quoted(record.folder);
        const bool rename = record.kind == BatchKind::Rename;
        if (record.ended == BatchEnd::RolledBack)
            return rename ? tr("The files of the failed rename in %1 that were left under "
                               "temporary names:")
                                .arg(folder)
                          : tr("The files of the failed undo in %1 that were left under "
                               "temporary names:")
                                .arg(folder);
        if (report.direction == RecoveryDirection::Finish) {
            if (rename)
                return report.consistent
                           ? tr("The interrupted rename in %1 was finished:").arg(folder)
                           : tr("The interrupted rename in %1 could not be finished:").arg(folder);
            return report.consistent
                       ? tr("The interrupted undo in %1 was finished:").arg(folder)
                       : tr("The interrupted undo in %1 could not be finished:").arg(folder);
        }
        if (rename)
            return report.consistent
                       ? tr("The interrupted rename in %1 was rolled back:").arg(folder)
                       : tr("The interrupted rename in %1 could not be rolled back:").arg(folder);
        return report.consistent
                   ? tr("The interrupted undo in %1 was rolled back:").arg(folder)
                   : tr("The interrupted undo in %1 could not be rolled back:").arg(folder);
    }

    static QStringList lines(const JournalledBatch& record, const RecoveryReport& report) {
        QStringList missing;
        QStringList replaced;
        QStringList ambiguous;
        for (std::size_t i = 0; i < report.files.size(); ++i) {
            const QString name = quoted(record.moves[i].from);
            if (report.files[i] == Whereabouts::NotFound)
                missing << name;
            else if (report.files[i] == Whereabouts::Replaced)
                replaced << name;
            else if (report.files[i] == Whereabouts::Ambiguous)
                ambiguous << name;
        }
        QStringList lines{
            tr("%1 of %L2 were renamed.").arg(fileCount(report.renamed)).arg(report.files.size())};
        const qsizetype failed = static_cast<qsizetype>(report.failures.size());
        if (failed > 0)
            lines << tr("%1 could not be renamed:").arg(fileCount(failed));
        for (qsizetype i = 0; i < std::min(failed, kNamedFiles); ++i) {
            const RecoveryReport::FailedMove& move = report.failures[static_cast<std::size_t>(i)];
            lines
                << tr("%1 to %2: %3.").arg(quoted(move.from), quoted(move.to), move.error.message);
        }
        if (failed > kNamedFiles)
            lines << tr("and %L1 more.").arg(failed - kNamedFiles);
        if (!missing.isEmpty())
            lines << tr("No longer in the folder (%1): %2.")
                         .arg(fileCount(missing.size()), someNames(missing));
        if (!replaced.isEmpty())
            lines << tr("No longer in the folder, with other files under their names that are "
                        "left alone (%1): %2.")
                         .arg(fileCount(replaced.size()), someNames(replaced));
        if (!ambiguous.isEmpty())
            lines << tr("Under more than one name, so which one is theirs cannot be told (%1): "
                        "%2.")
                         .arg(fileCount(ambiguous.size()), someNames(ambiguous));
        const qsizetype temporary =
            std::count(report.files.begin(), report.files.end(), Whereabouts::AtTemporary);
        if (temporary > 0)
            lines << tr("Still under temporary names starting with \"%1\" (%2); you are asked "
                        "about them again at the next start.")
                         .arg(kTemporaryMarker, fileCount(temporary));
        return lines;
    }

    static QString unreadableFolder(const JournalledBatch& record, const fs::FileError& error) {
        return tr("The folder %1 of an interrupted rename cannot be read: %2.")
            .arg(quoted(record.folder), error.message);
    }

private:
    // Names a few of the files, and counts the rest.
    static QString someNames(const QStringList& names) {
        QString text = names.mid(0, kNamedFiles).join(tr(", "));
        if (names.size() > kNamedFiles)
            text += tr(" and %L1 more").arg(names.size() - kNamedFiles);
        return text;
    }
};

} // namespace

QString recoveryMessage(const JournalledBatch& record, const RecoveryReport& report) {
    if (!report.folderError.ok())
        return RecoveryWords::unreadableFolder(record, report.folderError);
    if (report.consistent) {
        const WhereaboutsCount count = countWhereabouts(report.files);
        // Nothing to say when every file of the batch was there and reached its end.
        if (count.gone == 0 && report.journalError.ok())
            return {};
        QStringList lines{RecoveryWords::heading(record, report)};
        lines << RecoveryWords::lines(record, report);
        if (!report.journalError.ok())
            lines << report.journalError.message;
        return joinLines(lines);
    }
    return joinLines(QStringList{RecoveryWords::heading(record, report)} +
                     RecoveryWords::lines(record, report));
}

} // namespace km
