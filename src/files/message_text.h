// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace km {

// "name" in double quotes, as file names appear in messages; bytes that are not UTF-8 as \xHH.
QString quoted(const QString& name);

// "1 file", "2 files", "30,000 files" (grouped as the user's locale groups digits).
QString fileCount(qsizetype count);

// The lines of a message for the user, joined as the program's messages are.
QString joinLines(const QStringList& lines);

} // namespace km
