#pragma once

#include <QString>

namespace km {
class FileOps;
}

// At start-up: when the journal at journalPath is left from a rename or an undo that was cut short,
// asks the user whether to finish it or put every file back, does so, and reports what it could
// not do. A damaged journal is set aside and reported once. Nothing here ever stops start-up.
void recoverInterruptedBatch(const QString& journalPath, km::FileOps& ops);
