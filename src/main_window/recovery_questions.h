// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace km {

class FileOps;

// What start-up recovery did with the batches it found.
struct InterruptedBatchOutcome {
    // A question was closed without a Yes or No: its batch's journal stays, to be asked about
    // again.
    bool unanswered = false;
    // Files were moved, so a list of their folder is out of date.
    bool filesMoved = false;
};

// Offers every batch (rename or undo) that was cut short and whose journal in journalFolder no
// running batch holds: asks whether to finish it or put every file back, does so, and reports
// what it could not do. A damaged journal is set aside and reported once. A question left without
// a Yes or No touches nothing and keeps the journal. Nothing here ever stops start-up.
InterruptedBatchOutcome recoverInterruptedBatches(const QString& journalFolder, FileOps& ops);

} // namespace km
