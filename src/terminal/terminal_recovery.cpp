// SPDX-License-Identifier: MIT
#include "terminal/terminal_recovery.h"

#include "files/file_system.h"
#include "journal/recovery.h"
#include "terminal/terminal_writer.h"

#include <QCoreApplication>

namespace km {

namespace {

class TerminalRecoveryWords {
    Q_DECLARE_TR_FUNCTIONS(TerminalRecoveryWords)
};

} // namespace

TerminalRecovery::TerminalRecovery(QString folder, std::optional<RecoveryDirection> direction,
                                   TerminalWriter& writer)
    : m_folder(std::move(folder)), m_direction(direction), m_writer(writer) {}

bool TerminalRecovery::isChosen(const JournalledBatch& record) {
    if (m_direction && fs::withTrailingSeparator(record.folder) == m_folder) {
        m_record = record;
        m_settled = true;
        return true;
    }
    if (!m_unsettled.contains(record.folder))
        m_unsettled << record.folder;
    return false;
}

void TerminalRecovery::damagedJournal(const QString& reason, const QString& asidePath,
                                      const fs::FileError& aside) {
    m_writer.problem(
        aside.code == 0
            ? TerminalRecoveryWords::tr("A journal could not be read (%1); it was "
                                        "set aside as %2.")
                  .arg(reason, asidePath)
            : TerminalRecoveryWords::tr("A journal could not be read (%1).").arg(reason));
}

std::optional<bool> TerminalRecovery::keepRecordOfMissingFolder(const JournalledBatch& record) {
    // A folder that is gone may come back with its card: its record is kept.
    return isChosen(record) ? std::optional(true) : std::nullopt;
}

void TerminalRecovery::unreadableFolder(const JournalledBatch& record, const fs::FileError&) {
    isChosen(record);
}

std::optional<RecoveryDirection> TerminalRecovery::finishOrRollBack(const JournalledBatch& record,
                                                                    const WhereaboutsCount&) {
    return isChosen(record) ? m_direction : std::nullopt;
}

std::optional<bool> TerminalRecovery::forgetBatchWithNothingLeft(const JournalledBatch& record,
                                                                 const WhereaboutsCount&) {
    return isChosen(record) ? std::optional(true) : std::nullopt;
}

std::optional<bool> TerminalRecovery::giveBackTemporaryNames(const JournalledBatch& record,
                                                             const WhereaboutsCount&) {
    return isChosen(record) ? std::optional(true) : std::nullopt;
}

void TerminalRecovery::recovered(const RecoveryReport& report) {
    m_filesLeft = m_filesLeft || !report.consistent;
    if (m_record)
        m_writer.recovered(recoveryMessage(*m_record, report), report.consistent);
}

} // namespace km
