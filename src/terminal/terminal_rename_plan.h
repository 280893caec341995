// SPDX-License-Identifier: MIT
#pragma once

#include "plan/clash_reason.h"
#include "plan/rows_batch.h"
#include "terminal/terminal_commands.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace km {

// One listed row as a rename from the terminal shows it.
struct TerminalRow {
    QString name;
    // Its new name; empty when it keeps its name, `keptBecause` then saying why where a value is
    // missing ("(no date taken)").
    QString newName;
    QString keptBecause;
    // Why the row is refused: a clash, or a name no file system here can hold; empty for none.
    QString refusal;
};

// What `kestrelmark rename` will do in a folder with the choices given and the user's own: the
// same list, names and checks as the window's.
struct TerminalRenamePlan {
    // Bad usage (a preset or a selected name that does not exist, a pattern that cannot be read),
    // or a folder that cannot be listed; empty when all is well.
    QString usage;
    QString problem;
    QString folder;
    std::vector<TerminalRow> rows;
    RowsBatch batch;
    std::size_t companions = 0;
    // The question's counts, one a line.
    QStringList counts;
    // Why the batch cannot go ahead as a whole: a companion two photos claim, or numbers the
    // digits cannot hold, for which the window's Rename! is off.
    QString batchRefusal;
    bool anyRowRefused = false;

    bool refused() const { return anyRowRefused || !batchRefusal.isEmpty(); }
};

TerminalRenamePlan planTerminalRename(const TerminalRename& request, const TerminalPlaces& places);

} // namespace km
