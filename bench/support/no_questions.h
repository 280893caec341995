// SPDX-License-Identifier: MIT
#pragma once

#include "journal/interrupted_batches.h"

#include <optional>

namespace km::bench {

// Asks no question: the benchmarks leave no batch interrupted.
class NoQuestions final : public km::RecoveryQuestions {
public:
    void damagedJournal(const QString&, const QString&, const km::fs::FileError&) override {}
    std::optional<bool> keepRecordOfMissingFolder(const km::JournalledBatch&) override {
        return true;
    }
    void unreadableFolder(const km::JournalledBatch&, const km::fs::FileError&) override {}
    std::optional<km::RecoveryDirection> finishOrRollBack(const km::JournalledBatch&,
                                                          const km::WhereaboutsCount&) override {
        return std::nullopt;
    }
    std::optional<bool> forgetBatchWithNothingLeft(const km::JournalledBatch&,
                                                   const km::WhereaboutsCount&) override {
        return std::nullopt;
    }
    std::optional<bool> giveBackTemporaryNames(const km::JournalledBatch&,
                                               const km::WhereaboutsCount&) override {
        return std::nullopt;
    }
    void recovered(const km::RecoveryReport&) override {}
};

} // namespace km::bench
