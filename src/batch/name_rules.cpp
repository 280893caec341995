// SPDX-License-Identifier: MIT
#include "batch/name_rules.h"

#include "files/file_names.h"
#include "files/message_text.h"

namespace km {

namespace {

constexpr qsizetype kMaxNameBytes = 255;

} // namespace

QString temporaryName(const QString& name) {
    return kTemporaryMarker + name;
}

QString invalidNameReason(const QString& name) {
    if (name.isEmpty())
        return QStringLiteral("the name is empty");
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("\".\" and \"..\" cannot be file names");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("a file name cannot contain \"/\"");
    if (name.contains(QChar(u'\0')))
        return QStringLiteral("a file name cannot contain a NUL character");
    const qsizetype bytes = fs::nativeNameSize(name);
    if (bytes > kMaxNameBytes)
        return QStringLiteral("the name is longer than 255 bytes");
    return {};
}

QString invalidNewNameReason(const QString& name) {
    const QString reason = invalidNameReason(name);
    if (!reason.isEmpty())
        return reason;
    if (fs::nativeNameSize(name) + kTemporaryMarker.size() > kMaxNameBytes)
        return QStringLiteral("its temporary name %1 would be longer than 255 bytes")
            .arg(quoted(temporaryName(name)));
    return {};
}

} // namespace km
