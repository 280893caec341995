// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace km {

// What the command line asks of one start of the program.
struct StartRequest {
    enum class Action {
        Start,  // open the main window
        Answer, // print output on standard output and end successfully (help, version)
        Refuse, // print output on standard error and end with a usage error
    };
    Action action = Action::Start;
    // The folder to open instead of the settings file's folder, absolute and clean; empty: none.
    QString folder;
    // Why the folder named on the command line is not opened; empty when nothing is wrong.
    QString folderProblem;
    QString output;
};

// The exit code of a start refused for its arguments.
inline constexpr int kUsageError = 2;

// Reads the program's arguments (its own path first). A folder argument is checked on disk; a
// relative one is taken from the working folder.
StartRequest readCommandLine(const QStringList& arguments, const QString& version);

} // namespace km
