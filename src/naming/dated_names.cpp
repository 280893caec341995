// SPDX-License-Identifier: MIT
#include "naming/dated_names.h"

#include "files/file_names.h"
#include "naming/name_parts.h"
#include "numbers/number_text.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace km {

namespace {

// The date texts of the photos renamed, as keys (DatePattern::key), each with how many photos
// have it and how many of them have been numbered so far. Flat and sorted: no allocation per
// date, where most photos of a folder may have a time of their own.
class DateGroups {
public:
    explicit DateGroups(const std::vector<qint64>& keys) : m_keys(keys) {
        // In the order taken the keys of a date and time pattern are sorted already.
        if (!std::is_sorted(m_keys.begin(), m_keys.end()))
            std::sort(m_keys.begin(), m_keys.end());
        std::size_t kept = 0;
        for (std::size_t i = 0; i < m_keys.size(); ++i) {
            if (kept == 0 || m_keys[kept - 1] != m_keys[i]) {
                m_keys[kept++] = m_keys[i];
                m_sizes.push_back(0);
            }
            ++m_sizes.back();
        }
        m_keys.resize(kept);
        m_numbered.assign(kept, 0);
    }

    int size(qint64 key) { return m_sizes[indexOf(key)]; }
    // The next number of the key's group, counted from 1.
    int nextNumber(qint64 key) { return ++m_numbered[indexOf(key)]; }

private:
    // Photos of one date text follow each other in the order taken: the group found last, and
    // the one after it, are looked at first.
    std::size_t indexOf(qint64 key) {
        if (m_keys[m_last] == key)
            return m_last;
        if (m_last + 1 < m_keys.size() && m_keys[m_last + 1] == key)
            return ++m_last;
        m_last = static_cast<std::size_t>(std::lower_bound(m_keys.begin(), m_keys.end(), key) -
                                          m_keys.begin());
        return m_last;
    }

    std::vector<qint64> m_keys;
    std::vector<int> m_sizes;
    std::vector<int> m_numbered;
    std::size_t m_last = 0;
};

class DatedNamer {
public:
    DatedNamer(const NamingFields& fields, bool renameAll, const QStringList& originalNames,
               const std::function<bool(int)>& isSelected, const DatedNaming& naming,
               const RowTimes& times)
        : m_fields(fields), m_renameAll(renameAll), m_originals(originalNames),
          m_isSelected(isSelected), m_naming(naming), m_times(times) {}

    NewNames run() {
        const double start = readNumber(m_fields.start);
        const double digits = readNumber(m_fields.digits);
        // An infinite start would give every row the same number text, so such rows get none.
        const std::optional<int> width =
            std::isfinite(start) ? name_parts::paddingWidth(digits) : std::nullopt;
        // The date text's key of each photo renamed, in row order.
        std::vector<qint64> keys;
        std::optional<DateGroups> groups;
        if (m_naming.numbering != DateNumbering::Run) {
            keys = batchKeys();
            groups.emplace(keys);
        }

        NewNames result;
        result.names.reserve(m_originals.size());
        int runNumber = 0;
        int largestNumber = 0;
        for (int row0 = 0; row0 < m_originals.size(); ++row0) {
            if (!isNumbered(row0)) {
                result.names.append(QString());
                continue;
            }
            const CalendarTime* time = timeOf(row0);
            if (!time) {
                ++result.leftOutCount;
                result.names.append(QString());
                continue;
            }
            int number = ++runNumber;
            if (groups) {
                const qint64 key = keys[static_cast<std::size_t>(runNumber - 1)];
                number = m_naming.numbering == DateNumbering::Shared && groups->size(key) == 1
                             ? 0
                             : groups->nextNumber(key);
            }
            largestNumber = std::max(largestNumber, number);
            result.names.append(compose(row0, *time, number, start, width.value_or(0)));
        }
        result.numberedCount = runNumber;
        // A number part of no digits is fine only where no photo needs a number.
        result.renameEnabled = width.has_value() && runNumber >= 1 &&
                               (largestNumber == 0 || std::pow(10.0, digits) > largestNumber);
        return result;
    }

private:
    bool isNumbered(int row0) const { return m_renameAll || (m_isSelected && m_isSelected(row0)); }

    const CalendarTime* timeOf(int row0) const {
        const auto row = static_cast<std::size_t>(row0);
        return row < m_times.size() && m_times[row] ? &*m_times[row] : nullptr;
    }

    // The keys of the date texts of the photos renamed.
    std::vector<qint64> batchKeys() const {
        std::vector<qint64> keys;
        keys.reserve(static_cast<std::size_t>(m_originals.size()));
        for (int row0 = 0; row0 < m_originals.size(); ++row0) {
            const CalendarTime* time = timeOf(row0);
            if (time && isNumbered(row0))
                keys.push_back(m_naming.pattern.key(*time));
        }
        return keys;
    }

    // number 0 means none: the date text is the photo's alone. The name is written in place,
    // in one allocation of its exact length.
    QString compose(int row0, const CalendarTime& time, int number, double start, int width) const {
        const QStringView extension = fs::extensionOf(m_originals[row0]);
        const qsizetype numberLength = number > 0 && width > 0 ? 1 + width : 0;
        QString name(m_fields.prefix.size() + m_naming.pattern.textLength() + numberLength +
                         extension.size(),
                     Qt::Uninitialized);
        QChar* out = std::copy_n(m_fields.prefix.constData(), m_fields.prefix.size(), name.data());
        out = m_naming.pattern.writeTo(out, time);
        if (numberLength > 0) {
            *out++ = QLatin1Char('_');
            out = name_parts::writeNumberPart(out, number + start - 1, width);
        }
        std::copy_n(extension.data(), extension.size(), out);
        return name;
    }

    const NamingFields& m_fields;
    const bool m_renameAll;
    const QStringList& m_originals;
    const std::function<bool(int)>& m_isSelected;
    const DatedNaming& m_naming;
    const RowTimes& m_times;
};

} // namespace

NewNames computeDatedNames(const NamingFields& fields, bool renameAll,
                           const QStringList& originalNames,
                           const std::function<bool(int row0)>& isSelected,
                           const DatedNaming& naming, const RowTimes& times) {
    return DatedNamer(fields, renameAll, originalNames, isSelected, naming, times).run();
}

QString datedExampleLine(const NamingFields& fields, const DatedNaming& naming,
                         const RowTimes& times) {
    const bool dated = !times.empty() && times.front();
    const CalendarTime time = dated ? *times.front() : kExampleTime;
    bool numbered = true;
    if (dated && naming.numbering == DateNumbering::Shared) {
        const qint64 key = naming.pattern.key(time);
        numbered = std::count_if(times.begin(), times.end(), [&](const auto& each) {
                       return each && naming.pattern.key(*each) == key;
                   }) > 1;
    }
    return exampleLine(fields, naming.pattern.textOf(time), numbered);
}

std::vector<bool> undatedRows(const RowTimes& times) {
    std::vector<bool> undated;
    undated.reserve(times.size());
    for (const auto& time : times)
        undated.push_back(!time);
    return undated;
}

} // namespace km
