// SPDX-License-Identifier: MIT
#include "batch/name_rules.h"

#include "files/file_names.h"

namespace km {

namespace {

constexpr qsizetype kMaxNameBytes = 255;

} // namespace

QString temporaryName(const QString& name) {
    return kTemporaryMarker + name;
}

NameFault nameFault(const QString& name) {
    if (name.isEmpty())
        return NameFault::Empty;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return NameFault::Dots;
    if (name.contains(QLatin1Char('/')))
        return NameFault::Slash;
    if (name.contains(QChar(u'\0')))
        return NameFault::Nul;
    if (fs::nativeNameSize(name) > kMaxNameBytes)
        return NameFault::TooLong;
    return NameFault::None;
}

NameFault newNameFault(const QString& name) {
    const NameFault fault = nameFault(name);
    if (fault != NameFault::None)
        return fault;
    if (fs::nativeNameSize(name) + kTemporaryMarker.size() > kMaxNameBytes)
        return NameFault::TemporaryTooLong;
    return NameFault::None;
}

} // namespace km
