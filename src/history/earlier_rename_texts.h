// SPDX-License-Identifier: MIT
#pragma once

#include "batch/file_ops.h"
#include "history/history_folder.h"

#include <QString>
#include <vector>

namespace km {

// What is shown of a recorded batch: when, which folder, how many files, one of its renames
// ("IMG_0001.JPG -> foto_001.JPG") and whether it can still be undone as the folder is now ("all
// files as left", "some changed since", "folder gone", "folder cannot be read" or "damaged").
struct EarlierRenameTexts {
    QString when;
    QString folder;
    QString files;
    QString example;
    QString state;
};

std::vector<EarlierRenameTexts> earlierRenameTexts(const std::vector<LoadedHistory>& batches,
                                                   FileOps& ops);

} // namespace km
