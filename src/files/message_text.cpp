// SPDX-License-Identifier: MIT
#include "files/message_text.h"

#include "files/file_names.h"

namespace km {

QString quoted(const QString& name) {
    return QLatin1Char('"') + fs::readableName(name) + QLatin1Char('"');
}

QString fileCount(qsizetype count) {
    return count == 1 ? QStringLiteral("1 file") : QStringLiteral("%L1 files").arg(count);
}

QString joinLines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace km
