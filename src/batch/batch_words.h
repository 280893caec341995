// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"

#include <QString>

namespace km {

// The sentences of the batch layer, in the user's language. Lines are joined by "\r\n".

// Why `name` cannot be a file name: "the name is empty", ...
QString nameFaultText(NameFault fault, const QString& name);

// "Can't rename "a" to "b":\r\n<why>.\r\nNothing was renamed."
QString refusalText(const BatchRefusal& refusal);

// Everything the user should know about a batch: its refusal, the rename that failed and the files
// left behind, what kept its journal or history; empty for a done batch with nothing to report.
QString batchMessage(const BatchOutcome& outcome);

} // namespace km
