// SPDX-License-Identifier: MIT
#include "numbers/clock_offset.h"

#include <cstdlib>

namespace km {
namespace {

// Two digits at text[at]; -1 where they are not.
int twoDigits(QStringView text, qsizetype at) {
    const QChar high = text[at];
    const QChar low = text[at + 1];
    if (high < u'0' || high > u'9' || low < u'0' || low > u'9')
        return -1;
    return (high.unicode() - u'0') * 10 + (low.unicode() - u'0');
}

} // namespace

std::optional<qint32> readClockOffset(QStringView text) {
    text = text.trimmed();
    bool negative = false;
    if (!text.isEmpty() && (text[0] == u'+' || text[0] == u'-')) {
        negative = text[0] == u'-';
        text = text.sliced(1);
    }
    if (text.size() != 8 || text[2] != u':' || text[5] != u':')
        return std::nullopt;
    const int hours = twoDigits(text, 0);
    const int minutes = twoDigits(text, 3);
    const int seconds = twoDigits(text, 6);
    if (hours < 0 || minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59)
        return std::nullopt;
    const qint32 total = (hours * 60 + minutes) * 60 + seconds;
    if (total > kLongestClockOffset)
        return std::nullopt;
    return negative ? -total : total;
}

QString clockOffsetText(qint32 seconds) {
    const qint32 size = std::abs(seconds);
    return QStringLiteral("%1%2:%3:%4")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(size / 3600, 2, 10, QLatin1Char('0'))
        .arg(size / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(size % 60, 2, 10, QLatin1Char('0'));
}

} // namespace km
