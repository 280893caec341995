// SPDX-License-Identifier: MIT
#include "main_window/recovery_questions.h"

#include "batch/name_rules.h"
#include "dialogs/message_box.h"
#include "files/message_text.h"
#include "widgets/busy_cursor.h"

namespace km {

namespace {

const QString kTitle = QStringLiteral("Interrupted Rename");

QString batchName(const BatchRecord& record) {
    return record.kind == BatchKind::Rename ? QStringLiteral("rename") : QStringLiteral("undo");
}

// "3 files of this batch are no longer in the folder", with the names other files took since.
QString goneText(const WhereaboutsCount& count) {
    QString text = QStringLiteral("%1 of this batch %2 no longer in the folder")
                       .arg(fileCount(static_cast<qsizetype>(count.gone)),
                            count.gone == 1 ? QStringLiteral("is") : QStringLiteral("are"));
    if (count.replaced > 0)
        text += QStringLiteral("; other files that have taken %L1 of their names since keep them")
                    .arg(count.replaced);
    return text + QStringLiteral(".");
}

QString question(const BatchRecord& record, const WhereaboutsCount& count) {
    const QString what = record.kind == BatchKind::Rename
                             ? QStringLiteral("renaming %1")
                             : QStringLiteral("undoing the rename of %1");
    QString text = QStringLiteral("Kestrelmark was interrupted while ") +
                   what.arg(fileCount(static_cast<qsizetype>(record.moves.size()))) +
                   QStringLiteral(" in\r\n") + record.folder + QStringLiteral("\r\n\r\n");
    if (count.gone > 0)
        text += goneText(count) + QStringLiteral(" They are left alone.\r\n\r\n");
    return text + QStringLiteral("Yes: finish it, every file gets its new name.\r\n"
                                 "No: put every file back under the name it had before.");
}

std::optional<bool> yesOrNo(const QString& prompt) {
    const BoxAnswer answer = ShowMessageBox(prompt, kStyleQuestion, kTitle);
    if (answer != BoxAnswer::Yes && answer != BoxAnswer::No)
        return std::nullopt;
    return answer == BoxAnswer::Yes;
}

} // namespace

void MessageBoxRecoveryQuestions::damagedJournal(const QString& reason, const QString& asidePath,
                                                 const fs::FileError& aside) {
    QString prompt = QStringLiteral("The record of an interrupted rename cannot be read:\r\n") +
                     reason + QStringLiteral("\r\n\r\n");
    prompt += aside.ok() ? QStringLiteral("It was kept as ") + asidePath + QStringLiteral(".")
                         : QStringLiteral("It could not be moved aside: ") + aside.message;
    ShowMessageBox(prompt, kStyleWarning, kTitle);
}

std::optional<bool>
MessageBoxRecoveryQuestions::keepRecordOfMissingFolder(const BatchRecord& record) {
    const QString prompt =
        QStringLiteral("A rename in the folder\r\n") + record.folder +
        QStringLiteral("\r\nwas interrupted, but that folder cannot be found now.\r\n\r\n"
                       "Keep the record of it for when the folder is back?");
    const BoxAnswer answer = ShowMessageBox(prompt, kStyleQuestion, kTitle);
    if (answer != BoxAnswer::Yes && answer != BoxAnswer::No)
        return std::nullopt;
    return answer == BoxAnswer::Yes;
}

void MessageBoxRecoveryQuestions::unreadableFolder(const BatchRecord& record,
                                                   const fs::FileError& error) {
    ShowMessageBox(QStringLiteral("A rename in the folder\r\n") + record.folder +
                       QStringLiteral("\r\nwas interrupted, but that folder cannot be read: ") +
                       error.message +
                       QStringLiteral(".\r\nThe record is kept for the next start."),
                   kStyleWarning, kTitle);
}

std::optional<bool>
MessageBoxRecoveryQuestions::forgetBatchWithNothingLeft(const BatchRecord& record,
                                                        const WhereaboutsCount& count) {
    return yesOrNo(QStringLiteral("An interrupted %1 in\r\n").arg(batchName(record)) +
                   record.folder + QStringLiteral("\r\nhas nothing left to do: ") +
                   goneText(count) +
                   QStringLiteral("\r\n\r\nForget it? (No keeps its record for the next start.)"));
}

std::optional<bool>
MessageBoxRecoveryQuestions::giveBackTemporaryNames(const BatchRecord& record,
                                                    const WhereaboutsCount& count) {
    return yesOrNo(QStringLiteral("A %1 in\r\n").arg(batchName(record)) + record.folder +
                   QStringLiteral("\r\nfailed and was rolled back, but %1 still %2 under "
                                  "temporary names starting with \"%3\".\r\n\r\n"
                                  "Yes: give them the names they had before, where those are "
                                  "free.\r\nNo: leave them; you are asked again at the next "
                                  "start.")
                       .arg(fileCount(static_cast<qsizetype>(count.temporary)),
                            count.temporary == 1 ? QStringLiteral("is") : QStringLiteral("are"),
                            kTemporaryMarker));
}

std::optional<RecoveryDirection>
MessageBoxRecoveryQuestions::finishOrRollBack(const BatchRecord& record,
                                              const WhereaboutsCount& count) {
    const BoxAnswer answer = ShowMessageBox(question(record, count), kStyleQuestion, kTitle);
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
    ShowMessageBox(report.message, report.consistent ? BoxInformation : kStyleWarning, kTitle);
}

} // namespace km
