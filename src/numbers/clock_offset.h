// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace km {

// How far a camera's clock is off, in seconds: what is added to the times it wrote to give when
// its photos were really taken. At most 48 hours either way.
inline constexpr qint32 kLongestClockOffset = 48 * 3600;

// "+01:00:00", "-00:03:12" (also without the "+", and "+49:00:00" no more); nothing where the
// text is none of these or beyond 48 hours.
std::optional<qint32> readClockOffset(QStringView text);

// The offset as readClockOffset reads it: "+01:00:00", "-00:03:12", "+00:00:00".
QString clockOffsetText(qint32 seconds);

} // namespace km
