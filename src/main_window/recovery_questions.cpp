// SPDX-License-Identifier: MIT
#include "main_window/recovery_questions.h"

#include "dialogs/message_box.h"
#include "rename/journal.h"
#include "rename/recovery.h"
#include "widgets/busy_cursor.h"

#include <cerrno>
#include <memory>

namespace km {

namespace {

const QString kTitle = QStringLiteral("Interrupted Rename");

void reportDamagedJournal(const QString& journalPath, const QString& reason) {
    QString asidePath;
    const fs::FileError aside = setJournalAside(journalPath, &asidePath);
    QString prompt = QStringLiteral("The record of an interrupted rename cannot be read:\r\n") +
                     reason + QStringLiteral("\r\n\r\n");
    prompt += aside.ok() ? QStringLiteral("It was kept as ") + asidePath + QStringLiteral(".")
                         : QStringLiteral("It could not be moved aside: ") + aside.message;
    ShowMessageBox(prompt, kStyleWarning, kTitle);
}

// Discards the journal only on an explicit No; false when the question was left unanswered.
bool offerToDiscard(JournalFile& journal, const BatchRecord& record) {
    const QString prompt =
        QStringLiteral("A rename in the folder\r\n") + record.folder +
        QStringLiteral("\r\nwas interrupted, but that folder cannot be found now.\r\n\r\n"
                       "Keep the record of it for when the folder is back?");
    const BoxAnswer answer = ShowMessageBox(prompt, kStyleQuestion, kTitle);
    if (answer == BoxAnswer::No)
        journal.end();
    return answer == BoxAnswer::Yes || answer == BoxAnswer::No;
}

QString question(const BatchRecord& record) {
    const QString what = record.kind == BatchKind::Rename
                             ? QStringLiteral("renaming %1 files")
                             : QStringLiteral("undoing the rename of %1 files");
    return QStringLiteral("Kestrelmark was interrupted while ") + what.arg(record.moves.size()) +
           QStringLiteral(" in\r\n") + record.folder +
           QStringLiteral("\r\n\r\nYes: finish it, every file gets its new name.\r\n"
                          "No: put every file back under the name it had before.");
}

void reportUnreadableFolder(const BatchRecord& record, const fs::FileError& error) {
    ShowMessageBox(QStringLiteral("A rename in the folder\r\n") + record.folder +
                       QStringLiteral("\r\nwas interrupted, but that folder cannot be read: ") +
                       error.message +
                       QStringLiteral(".\r\nThe record is kept for the next start."),
                   kStyleWarning, kTitle);
}

// Finishes or rolls back the batch as the user says; false when the question was left unanswered.
bool finishOrRollBack(JournalFile& journal, const BatchRecord& record, FileOps& ops,
                      InterruptedBatchOutcome& outcome) {
    const BoxAnswer answer = ShowMessageBox(question(record), kStyleQuestion, kTitle);
    if (answer != BoxAnswer::Yes && answer != BoxAnswer::No)
        return false;
    const RecoveryDirection direction =
        answer == BoxAnswer::Yes ? RecoveryDirection::Finish : RecoveryDirection::RollBack;
    RecoveryReport report;
    {
        BusyCursor busy;
        report = recoverBatch(record, direction, ops, journal);
    }
    outcome.filesMoved = true;
    if (!report.message.isEmpty())
        ShowMessageBox(report.message, report.consistent ? BoxInformation : kStyleWarning, kTitle);
    return true;
}

// Deals with one journal this process could claim; false when a question was left unanswered.
bool recoverOne(JournalFile& journal, FileOps& ops, InterruptedBatchOutcome& outcome) {
    const QString path = journal.path();
    const LoadedJournal loaded = loadJournal(path);
    if (loaded.status == JournalStatus::Absent)
        return true;
    if (loaded.status == JournalStatus::Damaged) {
        reportDamagedJournal(path, loaded.message);
        return true;
    }
    const fs::FileError folderError = locateFiles(loaded.record, ops).folderError;
    if (folderError.code == ENOENT || folderError.code == ENOTDIR)
        return offerToDiscard(journal, loaded.record);
    if (!folderError.ok()) {
        // The folder is there but cannot be read now: keep the record for a later start.
        reportUnreadableFolder(loaded.record, folderError);
        return true;
    }
    return finishOrRollBack(journal, loaded.record, ops, outcome);
}

} // namespace

InterruptedBatchOutcome recoverInterruptedBatches(const QString& journalFolder, FileOps& ops) {
    InterruptedBatchOutcome outcome;
    if (journalFolder.isEmpty())
        return outcome;
    for (const QString& path : journalsIn(journalFolder)) {
        // A journal held by a batch that is running now, here or in another copy, is not ours.
        const std::unique_ptr<JournalFile> journal = JournalFile::claim(path);
        if (journal && !recoverOne(*journal, ops, outcome))
            outcome.unanswered = true;
    }
    return outcome;
}

} // namespace km
