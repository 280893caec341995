// SPDX-License-Identifier: MIT
#pragma once

#include "journal/interrupted_batches.h"

namespace km {

// The questions about interrupted batches as message boxes titled "Interrupted Rename"; a box
// closed without Yes or No leaves its question unanswered. The cursor shows the wait while
// files are moved.
class MessageBoxRecoveryQuestions final : public RecoveryQuestions {
public:
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
    RecoveryReport whileBusy(const std::function<RecoveryReport()>& recover) override;
    void recovered(const RecoveryReport& report) override;
};

} // namespace km
