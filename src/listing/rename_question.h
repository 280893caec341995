// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>

namespace km {

// The question before a rename, lines joined by "\r\n"; it counts the RAW and sidecar files
// renamed with the photos, the photos left out for want of a date taken or of a value their name
// pattern shows, and those dated from their names or files' times.
QString renameQuestionText(std::size_t companions, int leftOut, bool byPattern,
                           int datedFromNames = 0, int datedFromFileTimes = 0);
// The question's lines after its first sentence, one a line; none when there is nothing to count.
QStringList renameCounts(std::size_t companions, int leftOut, bool byPattern,
                         int datedFromNames = 0, int datedFromFileTimes = 0);

} // namespace km
