// SPDX-License-Identifier: MIT
#pragma once

#include "journal/interrupted_batches.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace km {

class TerminalWriter;

// The questions about interrupted batches, answered from the command line: the batch of
// `folder` (ending with "/") goes the way `direction` says, every other one is left unanswered
// and named, so nothing is settled that the user did not ask for.
class TerminalRecovery final : public RecoveryQuestions {
public:
    TerminalRecovery(QString folder, std::optional<RecoveryDirection> direction,
                     TerminalWriter& writer);

    // The folders of the batches left unanswered, each once.
    const QStringList& unsettledFolders() const { return m_unsettled; }
    bool settledAny() const { return m_settled; }
    // A settled batch left files under other names than it meant to.
    bool filesLeft() const { return m_filesLeft; }

    void damagedJournal(const QString& reason, const QString& asidePath,
                        const fs::FileError& aside) override;
    std::optional<bool> keepRecordOfMissingFolder(const JournalledBatch& record) override;
    void unreadableFolder(const JournalledBatch& record, const fs::FileError& error) override;
    std::optional<RecoveryDirection> finishOrRollBack(const JournalledBatch& record,
                                                      const WhereaboutsCount& count) override;
    std::optional<bool> forgetBatchWithNothingLeft(const JournalledBatch& record,
                                                   const WhereaboutsCount& count) override;
    std::optional<bool> giveBackTemporaryNames(const JournalledBatch& record,
                                               const WhereaboutsCount& count) override;
    void recovered(const RecoveryReport& report) override;

private:
    bool isChosen(const JournalledBatch& record);

    QString m_folder;
    std::optional<RecoveryDirection> m_direction;
    TerminalWriter& m_writer;
    QStringList m_unsettled;
    std::optional<JournalledBatch> m_record;
    bool m_settled = false;
    bool m_filesLeft = false;
};

} // namespace km
