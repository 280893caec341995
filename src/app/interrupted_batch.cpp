#include "app/interrupted_batch.h"

#include "dialogs/message_box.h"
#include "platform/busy_cursor.h"
#include "rename/journal.h"
#include "rename/recovery.h"

#include <QApplication>
#include <cerrno>

namespace {

using modMessageBox::ShowMessageBox;

const QString kTitle = QStringLiteral("Interrupted Rename");
constexpr qint32 kStyleWarning = km::box::StyleExclamation;
constexpr qint32 kStyleQuestion = km::box::StyleYesNo | km::box::StyleQuestion;

void reportDamagedJournal(const QString& journalPath, const QString& reason) {
    QString asidePath;
    const km::fs::FileError aside = km::setJournalAside(journalPath, &asidePath);
    QString prompt = QStringLiteral("The record of an interrupted rename cannot be read:\r\n") +
                     reason + QStringLiteral("\r\n\r\n");
    prompt += aside.ok() ? QStringLiteral("It was kept as ") + asidePath + QStringLiteral(".")
                         : QStringLiteral("It could not be moved aside: ") + aside.message;
    ShowMessageBox(prompt, kStyleWarning, kTitle);
}

void offerToDiscard(const QString& journalPath, const km::BatchRecord& record) {
    const QString prompt =
        QStringLiteral("A rename in the folder\r\n") + record.folder +
        QStringLiteral("\r\nwas interrupted, but that folder cannot be found now.\r\n\r\n"
                       "Keep the record of it for when the folder is back?");
    if (ShowMessageBox(prompt, kStyleQuestion, kTitle) != km::box::AnswerYes)
        km::discardJournal(journalPath);
}

QString question(const km::BatchRecord& record) {
    const QString what = record.kind == km::BatchKind::Rename
                             ? QStringLiteral("renaming %1 files")
                             : QStringLiteral("undoing the rename of %1 files");
    return QStringLiteral("Kestrelmark was interrupted while ") + what.arg(record.moves.size()) +
           QStringLiteral(" in\r\n") + record.folder +
           QStringLiteral("\r\n\r\nYes: finish it, every file gets its new name.\r\n"
                          "No: put every file back under the name it had before.");
}

} // namespace

void recoverInterruptedBatch(const QString& journalPath, km::FileOps& ops) {
    if (journalPath.isEmpty())
        return;
    const km::LoadedJournal loaded = km::loadJournal(journalPath);
    if (loaded.status == km::JournalStatus::Absent)
        return;
    if (loaded.status == km::JournalStatus::Damaged) {
        reportDamagedJournal(journalPath, loaded.message);
        return;
    }
    const km::fs::FileError folderError = km::locateFiles(loaded.record, ops).folderError;
    if (folderError.code == ENOENT || folderError.code == ENOTDIR) {
        offerToDiscard(journalPath, loaded.record);
        return;
    }
    if (!folderError.ok()) {
        // The folder is there but cannot be read now: keep the record for a later start.
        ShowMessageBox(QStringLiteral("A rename in the folder\r\n") + loaded.record.folder +
                           QStringLiteral("\r\nwas interrupted, but that folder cannot be read: ") +
                           folderError.message +
                           QStringLiteral(".\r\nThe record is kept for the next start."),
                       kStyleWarning, kTitle);
        return;
    }
    const km::RecoveryDirection direction =
        ShowMessageBox(question(loaded.record), kStyleQuestion, kTitle) == km::box::AnswerYes
            ? km::RecoveryDirection::Finish
            : km::RecoveryDirection::RollBack;
    km::JournalFile journal(journalPath);
    km::RecoveryReport report;
    {
        BusyCursor busy;
        report = km::recoverBatch(loaded.record, direction, ops, journal);
    }
    if (!report.message.isEmpty())
        ShowMessageBox(report.message,
                       report.consistent ? km::box::StyleInformation : kStyleWarning, kTitle);
}
