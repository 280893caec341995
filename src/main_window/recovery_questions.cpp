// SPDX-License-Identifier: MIT
#include "main_window/recovery_questions.h"

#include "batch/name_rules.h"
#include "dialogs/message_box.h"
#include "files/message_text.h"
#include "widgets/busy_cursor.h"

#include <QCoreApplication>

namespace km {

namespace {

class RecoveryQuestionWords {
    Q_DECLARE_TR_FUNCTIONS(RecoveryQuestionWords)

public:
    static QString title() { return tr("Interrupted Rename"); }

    // "3 files of this batch are no longer in the folder", with the names other files took since.
    static QString gone(const WhereaboutsCount& count) {
        const QString files = fileCount(static_cast<qsizetype>(count.gone));
        QString text = count.gone == 1
                           ? tr("%1 of this batch is no longer in the folder").arg(files)
                           : tr("%1 of this batch are no longer in the folder").arg(files);
        if (count.replaced > 0)
            text += tr("; other files that have taken %L1 of their names since keep them")
                        .arg(count.replaced);
        return text + tr(".");
    }

    static QString finishOrRollBack(const JournalledBatch& record, const WhereaboutsCount& count) {
        const QString files = fileCount(static_cast<qsizetype>(record.moves.size()));
        QString text = record.kind == BatchKind::Rename
                           ? tr("Kestrelmark was interrupted while renaming %1 in\r\n%2\r\n\r\n")
                                 .arg(files, record.folder)
                           : tr("Kestrelmark was interrupted while undoing the rename of %1 "
                                "in\r\n%2\r\n\r\n")
                                 .arg(files, record.folder);
        if (count.gone > 0)
            text += tr("%1 They are left alone.\r\n\r\n").arg(gone(count));
        return text + tr("Yes: finish it, every file gets its new name.\r\n"
                         "No: put every file back under the name it had before.");
    }

    static QString damagedJournal(const QString& reason, const QString& asidePath,
                                  const fs::FileError& aside) {
        return tr("The record of an interrupted rename cannot be read:\r\n%1\r\n\r\n").arg(reason) +
               (aside.ok() ? tr("It was kept as %1.").arg(asidePath)
                           : tr("It could not be moved aside: %1").arg(aside.message));
    }

    static QString missingFolder(const JournalledBatch& record) {
        return tr("A rename in the folder\r\n%1\r\nwas interrupted, but that folder cannot be "
                  "found now.\r\n\r\nKeep the record of it for when the folder is back?")
            .arg(record.folder);
    }

    static QString unreadableFolder(const JournalledBatch& record, const fs::FileError& error) {
        return tr("A rename in the folder\r\n%1\r\nwas interrupted, but that folder cannot be "
                  "read: %2.\r\nThe record is kept for the next start.")
            .arg(record.folder, error.message);
    }

    static QString nothingLeft(const JournalledBatch& record, const WhereaboutsCount& count) {
        return record.kind == BatchKind::Rename
                   ? tr("An interrupted rename in\r\n%1\r\nhas nothing left to do: %2\r\n\r\n"
                        "Forget it? (No keeps its record for the next start.)")
                         .arg(record.folder, gone(count))
                   : tr("An interrupted undo in\r\n%1\r\nhas nothing left to do: %2\r\n\r\n"
                        "Forget it? (No keeps its record for the next start.)")
                         .arg(record.folder, gone(count));
    }

    static QString temporaryNames(const JournalledBatch& record, const WhereaboutsCount& count) {
        const QString files = fileCount(static_cast<qsizetype>(count.temporary));
        const QString folder = record.folder;
        const bool rename = record.kind == BatchKind::Rename;
        QString text;
        if (count.temporary == 1)
            text = rename ? tr("A rename in\r\n%1\r\nfailed and was rolled back, but %2 still is "
                               "under temporary names starting with \"%3\".")
                          : tr("A undo in\r\n%1\r\nfailed and was rolled back, but %2 still is "
                               "under temporary names starting with \"%3\".");
        else
            text = rename ? tr("A rename in\r\n%1\r\nfailed and was rolled back, but %2 still are "
                               "under temporary names starting with \"%3\".")
                          : tr("A undo in\r\n%1\r\nfailed and was rolled back, but %2 still are "
                               "under temporary names starting with \"%3\".");
        return text.arg(folder, files, kTemporaryMarker) +
               tr("\r\n\r\nYes: give them the names they had before, where those are free.\r\n"
                  "No: leave them; you are asked again at the next start.");
    }
};

std::optional<bool> yesOrNo(const QString& prompt) {
    const BoxAnswer answer = ShowMessageBox(prompt, kStyleQuestion, RecoveryQuestionWords::title());
    if (answer != BoxAnswer::Yes && answer != BoxAnswer::No)
        return std::nullopt;
    return answer == BoxAnswer::Yes;
}

} // namespace

void MessageBoxRecoveryQuestions::damagedJournal(const QString& reason, const QString& asidePath,
                                                 const fs::FileError& aside) {
    ShowMessageBox(RecoveryQuestionWords::damagedJournal(reason, asidePath, aside), kStyleWarning,
                   RecoveryQuestionWords::title());
}

std::optional<bool>
MessageBoxRecoveryQuestions::keepRecordOfMissingFolder(const JournalledBatch& record) {
    const QString prompt = RecoveryQuestionWords::missingFolder(record);
    const BoxAnswer answer = ShowMessageBox(prompt, kStyleQuestion, RecoveryQuestionWords::title());
    if (answer != BoxAnswer::Yes && answer != BoxAnswer::No)
        return std::nullopt;
    return answer == BoxAnswer::Yes;
}

void MessageBoxRecoveryQuestions::unreadableFolder(const JournalledBatch& record,
                                                   const fs::FileError& error) {
    ShowMessageBox(RecoveryQuestionWords::unreadableFolder(record, error), kStyleWarning,
                   RecoveryQuestionWords::title());
}

std::optional<bool>
MessageBoxRecoveryQuestions::forgetBatchWithNothingLeft(const JournalledBatch& record,
                                                        const WhereaboutsCount& count) {
    return yesOrNo(RecoveryQuestionWords::nothingLeft(record, count));
}

std::optional<bool>
MessageBoxRecoveryQuestions::giveBackTemporaryNames(const JournalledBatch& record,
                                                    const WhereaboutsCount& count) {
    return yesOrNo(RecoveryQuestionWords::temporaryNames(record, count));
}

std::optional<RecoveryDirection>
MessageBoxRecoveryQuestions::finishOrRollBack(const JournalledBatch& record,
                                              const WhereaboutsCount& count) {
    const BoxAnswer answer = ShowMessageBox(RecoveryQuestionWords::finishOrRollBack(record, count),
                                            kStyleQuestion, RecoveryQuestionWords::title());
    if (answer == BoxAnswer::Yes)
        return RecoveryDirection::Finish;
    if (answer == BoxAnswer::No)
        return RecoveryDirection::RollBack;
    return std::nullopt;
}

RecoveryReport
MessageBoxRecoveryQuestions::whileBusy(const std::function<RecoveryReport()>& recover) {
    BusyCursor busy;
    return recover();
}

void MessageBoxRecoveryQuestions::recovered(const RecoveryReport& report) {
    ShowMessageBox(report.message, report.consistent ? BoxInformation : kStyleWarning,
                   RecoveryQuestionWords::title());
}

} // namespace km
