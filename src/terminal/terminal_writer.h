// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "history/earlier_rename_texts.h"
#include "terminal/terminal_commands.h"

#include <QString>
#include <vector>

namespace km {

struct TerminalRenamePlan;

// Writes what the terminal's commands have to say: lines for people (a refused row in red on a
// terminal), or one JSON object a line for scripts. Problems go to the error stream in both.
class TerminalWriter {
public:
    TerminalWriter(const TerminalStreams& streams, bool json);

    void text(const QString& text);
    // Bad usage: the reason and the way to the help.
    void usage(const QString& reason);
    void problem(const QString& text);
    // Each row's old and new names as two columns, then the question's counts.
    void plan(const TerminalRenamePlan& plan, bool applying);
    // What a batch did; `files` is the number it was to move, said when `sayRenamed` and done.
    void outcome(const BatchOutcome& outcome, const QString& message, std::size_t files,
                 bool sayRenamed);
    void history(const std::vector<EarlierRenameTexts>& batches);
    void recovered(const QString& message, bool consistent);

private:
    void line(std::FILE* stream, const QString& text);

    TerminalStreams m_streams;
    bool m_json;
};

} // namespace km
