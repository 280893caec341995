// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace km {

// What a file's final name gets in front while it waits between the two passes of a batch.
inline constexpr QLatin1String kTemporaryMarker("_KM_");

// The name a file carries between the two passes of a batch whose final name is `name`.
QString temporaryName(const QString& name);

// Why a name cannot be a file name in a folder here.
enum class NameFault { None, Empty, Dots, Slash, Nul, TooLong, TemporaryTooLong };

// Why `name` cannot be a file name in a folder here, or NameFault::None when it can.
NameFault nameFault(const QString& name);

// Why `name` cannot be the name a batch gives a file: nameFault, or its temporary name, which the
// file carries between the passes, is too long.
NameFault newNameFault(const QString& name);

} // namespace km
