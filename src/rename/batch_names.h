// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace km {

// The name a file carries between the two passes of a batch whose final name is `name`.
QString temporaryName(const QString& name);

// Why `name` cannot be a file name in a folder here, or an empty text when it can. A name that can
// be a final name but whose temporary name would be too long is refused as well.
QString invalidNameReason(const QString& name);

// "name" in double quotes, as file names appear in messages.
QString quoted(const QString& name);

// The lines of a message for the user, joined as the program's messages are.
QString joinLines(const QStringList& lines);

} // namespace km
