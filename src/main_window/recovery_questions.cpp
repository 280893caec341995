// SPDX-License-Identifier: MIT
#include "main_window/recovery_questions.h"

#include "dialogs/message_box.h"
#include "widgets/busy_cursor.h"

namespace km {

namespace {

const QString kTitle = QStringLiteral("Interrupted Rename");

QString question(const BatchRecord& record) {
    const QString what = record.kind == BatchKind::Rename
                             ? QStringLiteral("renaming %1 files")
                             : QStringLiteral("undoing the rename of %1 files");
    return QStringLiteral("Kestrelmark was interrupted while ") + what.arg(record.moves.size()) +
           QStringLiteral(" in\r\n") + record.folder +
           QStringLiteral("\r\n\r\nYes: finish it, every file gets its new name.\r\n"
                          "No: put every file back under the name it had before.");
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

std::optional<RecoveryDirection>
MessageBoxRecoveryQuestions::finishOrRollBack(const BatchRecord& record) {
    const BoxAnswer answer = ShowMessageBox(question(record), kStyleQuestion, kTitle);
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
