// SPDX-License-Identifier: MIT
#include "main_window/earlier_rename_rows.h"

#include "history/earlier_rename_texts.h"

namespace km {

std::vector<EarlierRenameRow> earlierRenameRows(const std::vector<LoadedHistory>& batches,
                                                FileOps& ops) {
    std::vector<EarlierRenameRow> rows;
    for (const EarlierRenameTexts& each : earlierRenameTexts(batches, ops))
        rows.push_back({each.when, each.folder, each.files, each.example, each.state});
    return rows;
}

} // namespace km
