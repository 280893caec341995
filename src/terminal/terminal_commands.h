// SPDX-License-Identifier: MIT
#pragma once

#include "terminal/terminal_request.h"

#include <QString>
#include <cstdio>

namespace km {

// Where the terminal's commands find the user's settings and keep their journals and history:
// the window's own places, so both see the same renames.
struct TerminalPlaces {
    QString settingsFile;
    QString optionsFile;
    QString journalFolder;
};

// Where the commands write: what they did on `out`, what went wrong on `err`; `colours` while
// `out` is a terminal, for the red of a refused row.
struct TerminalStreams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    bool colours = false;
};

// Runs a command read by readTerminalRequest; returns its exit status. Ctrl+C and the other
// signals that end a program wait while a batch moves files, so it finishes or rolls back.
int runTerminalCommand(const TerminalRequest& request, const TerminalPlaces& places,
                       const TerminalStreams& streams);

} // namespace km
