// SPDX-License-Identifier: MIT
#include "photo_dates/date_taken.h"

#include <algorithm>

namespace km {
namespace {

// The number at text[from, from + length), or -1 when a character there is no digit.
int digitsAt(const QString& text, int from, int length) {
    int value = 0;
    for (int i = from; i < from + length; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c - u'0');
    }
    return value;
}

int daysInMonth(int year, int month) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

// A date as two numbers that order as the date does (for a valid stamp): the stamp's digits
// (YYYYMMDDhhmmss) and the first nine digits of the fraction, so that sorting thousands of dates
// compares numbers rather than texts.
struct SortKey {
    qint64 stamp = 0;
    qint64 fraction = 0;

    auto operator<=>(const SortKey&) const = default;
};

SortKey sortKey(const DateTaken& date) {
    SortKey key;
    int digits = 0;
    for (const QChar c : date.stamp)
        if (c.isDigit() && digits++ < 14)
            key.stamp = key.stamp * 10 + c.digitValue();
    for (qsizetype i = 0; i < 9; ++i)
        key.fraction =
            key.fraction * 10 +
            (i < date.subSeconds.size() ? std::max(0, date.subSeconds[i].digitValue()) : 0);
    return key;
}

} // namespace

std::weak_ordering operator<=>(const DateTaken& a, const DateTaken& b) {
    if (const int order = QString::compare(a.stamp, b.stamp); order != 0)
        return order < 0 ? std::weak_ordering::less : std::weak_ordering::greater;
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

bool isValidStamp(const QString& text) {
    if (text.size() != 19 || text[4] != u':' || text[7] != u':' || text[10] != u' ' ||
        text[13] != u':' || text[16] != u':')
        return false;
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    const int day = digitsAt(text, 8, 2);
    const int hour = digitsAt(text, 11, 2);
    const int minute = digitsAt(text, 14, 2);
    const int second = digitsAt(text, 17, 2);
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month) &&
           hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::vector<int> orderTaken(const std::vector<std::optional<DateTaken>>& dates) {
    struct Dated {
        SortKey key;
        int index;
    };
    std::vector<Dated> dated;
    std::vector<int> order;
    order.reserve(dates.size());
    for (int i = 0; i < static_cast<int>(dates.size()); ++i)
        if (const auto& date = dates[static_cast<size_t>(i)])
            dated.push_back({sortKey(*date), i});
    // Equal keys: longer fractions or stamps that are no valid dates, compared in full.
    std::stable_sort(dated.begin(), dated.end(), [&](const Dated& a, const Dated& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return takenBefore(*dates[static_cast<size_t>(a.index)],
                           *dates[static_cast<size_t>(b.index)]);
    });
    for (const Dated& date : dated)
        order.push_back(date.index);
    for (int i = 0; i < static_cast<int>(dates.size()); ++i)
        if (!dates[static_cast<size_t>(i)])
            order.push_back(i);
    return order;
}

} // namespace km
