// SPDX-License-Identifier: MIT
#include "files/message_text.h"

#include "files/file_names.h"

#include <QCoreApplication>

namespace km {

QString quoted(const QString& name) {
    return QLatin1Char('"') + fs::readableName(name) + QLatin1Char('"');
}

QString fileCount(qsizetype count) {
    return count == 1 ? QCoreApplication::translate("FileCount", "1 file")
                      : QCoreApplication::translate("FileCount", "%L1 files").arg(count);
}

QString joinLines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace km
