// SPDX-License-Identifier: MIT
#pragma once

#include "batch/file_ops.h"
#include "dialogs/earlier_renames_dialog.h"
#include "history/history_folder.h"

#include <vector>

namespace km {

// The rows of the "Earlier Renames" window for the recorded batches, each with its state as the
// folder is now: when, which folder, how many files, an example and "all files as left", "some
// changed since", "folder gone", "folder cannot be read" or "damaged".
std::vector<EarlierRenameRow> earlierRenameRows(const std::vector<LoadedHistory>& batches,
                                                FileOps& ops);

} // namespace km
