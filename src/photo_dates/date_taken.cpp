// SPDX-License-Identifier: MIT
#include "photo_dates/date_taken.h"

#include <algorithm>

namespace km {
namespace {

// The number at text[from, from + length), or -1 when a character there is no digit.
int digitsAt(QStringView text, qsizetype from, qsizetype length) {
    int value = 0;
    for (qsizetype i = from; i < from + length; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// A date as two numbers that order as the date does: the time's digits (YYYYMMDDhhmmss) and the
// first nine digits of the fraction, so that sorting thousands of dates compares numbers.
struct SortKey {
    qint64 time = 0;
    qint64 fraction = 0;

    auto operator<=>(const SortKey&) const = default;
};

SortKey sortKey(const DateTaken& date) {
    SortKey key;
    key.time = date.time.digits();
    for (qsizetype i = 0; i < 9; ++i)
        key.fraction =
            key.fraction * 10 +
            (i < date.subSeconds.size() ? std::max(0, date.subSeconds[i].digitValue()) : 0);
    return key;
}

} // namespace

std::weak_ordering operator<=>(const DateTaken& a, const DateTaken& b) {
    if (a.time != b.time)
        return a.time < b.time ? std::weak_ordering::less : std::weak_ordering::greater;
    // Fractions compare digit by digit, the shorter one padded with zeros.
    const qsizetype length = std::max(a.subSeconds.size(), b.subSeconds.size());
    for (qsizetype i = 0; i < length; ++i) {
        const QChar left = i < a.subSeconds.size() ? a.subSeconds[i] : QChar(u'0');
        const QChar right = i < b.subSeconds.size() ? b.subSeconds[i] : QChar(u'0');
        if (left != right)
            return left < right ? std::weak_ordering::less : std::weak_ordering::greater;
    }
    return std::weak_ordering::equivalent;
}

std::optional<CalendarTime> readExifTime(QStringView text) {
    if (text.size() != 19 || text[4] != u':' || text[7] != u':' || text[10] != u' ' ||
        text[13] != u':' || text[16] != u':')
        return std::nullopt;
    return validCalendarTime(digitsAt(text, 0, 4), digitsAt(text, 5, 2), digitsAt(text, 8, 2),
                             digitsAt(text, 11, 2), digitsAt(text, 14, 2), digitsAt(text, 17, 2));
}

std::optional<qint32> readUtcOffset(QStringView text) {
    const bool colon = text.size() == 6 && text[3] == u':';
    if ((!colon && text.size() != 5) || (text[0] != u'+' && text[0] != u'-'))
        return std::nullopt;
    const int hours = digitsAt(text, 1, 2);
    const int minutes = digitsAt(text, colon ? 4 : 3, 2);
    if (hours < 0 || minutes < 0 || minutes > 59 || hours * 60 + minutes > 18 * 60)
        return std::nullopt;
    const qint32 seconds = (hours * 60 + minutes) * 60;
    return text[0] == u'-' ? -seconds : seconds;
}

std::vector<int> orderTaken(const std::vector<PhotoFacts>& facts) {
    struct Dated {
        SortKey key;
        int index;
    };
    std::vector<Dated> dated;
    std::vector<int> order;
    order.reserve(facts.size());
    const auto dateOf = [&facts](int i) -> const std::optional<DateTaken>& {
        return facts[static_cast<size_t>(i)].taken;
    };
    for (int i = 0; i < static_cast<int>(facts.size()); ++i)
        if (const auto& date = dateOf(i))
            dated.push_back({sortKey(*date), i});
    // Equal keys: fractions longer than nine digits, compared in full.
    std::stable_sort(dated.begin(), dated.end(), [&](const Dated& a, const Dated& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return takenBefore(*dateOf(a.index), *dateOf(b.index));
    });
    for (const Dated& date : dated)
        order.push_back(date.index);
    for (int i = 0; i < static_cast<int>(facts.size()); ++i)
        if (!dateOf(i))
            order.push_back(i);
    return order;
}

} // namespace km
