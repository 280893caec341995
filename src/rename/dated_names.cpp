// SPDX-License-Identifier: MIT
#include "rename/dated_names.h"

#include "numbers/number_text.h"
#include "rename/name_parts.h"

#include <QHash>
#include <cmath>
#include <optional>

namespace km {

namespace {

// The photos of one date text: how many are renamed, and how many have been numbered so far.
struct DateGroup {
    int size = 0;
    int numbered = 0;
};

class DatedNamer {
public:
    DatedNamer(const NamingFields& fields, bool renameAll, const QStringList& originalNames,
               const std::function<bool(int)>& isSelected, const DatedNaming& naming,
               const QStringList& stamps)
        : m_fields(fields), m_renameAll(renameAll), m_originals(originalNames),
          m_isSelected(isSelected), m_naming(naming), m_stamps(stamps) {}

    NewNames run() {
        const double start = readNumber(m_fields.start);
        const double digits = readNumber(m_fields.digits);
        // An infinite start would give every row the same number text, so such rows get none.
        const std::optional<int> width =
            std::isfinite(start) ? name_parts::paddingWidth(digits) : std::nullopt;
        if (m_naming.numbering != DateNumbering::Run)
            countGroups();

        NewNames result;
        result.names.reserve(m_originals.size());
        int runNumber = 0;
        int largestNumber = 0;
        for (int row0 = 0; row0 < m_originals.size(); ++row0) {
            if (!isNumbered(row0)) {
                result.names.append(QString());
                continue;
            }
            const QStringView stamp = stampOf(row0);
            if (stamp.isEmpty()) {
                ++result.undatedCount;
                result.names.append(QString());
                continue;
            }
            int number = ++runNumber;
            if (m_naming.numbering != DateNumbering::Run) {
                DateGroup& group = m_groups[m_naming.pattern.key(stamp)];
                number = m_naming.numbering == DateNumbering::Shared && group.size == 1
                             ? 0
                             : ++group.numbered;
            }
            largestNumber = std::max(largestNumber, number);
            result.names.append(compose(row0, stamp, number, start, width.value_or(0)));
        }
        result.numberedCount = runNumber;
        // A number part of no digits is fine only where no photo needs a number.
        result.renameEnabled = width.has_value() && runNumber >= 1 &&
                               (largestNumber == 0 || std::pow(10.0, digits) > largestNumber);
        return result;
    }

private:
    bool isNumbered(int row0) const { return m_renameAll || (m_isSelected && m_isSelected(row0)); }

    QStringView stampOf(int row0) const {
        return row0 < m_stamps.size() ? QStringView(m_stamps[row0]) : QStringView();
    }

    void countGroups() {
        for (int row0 = 0; row0 < m_originals.size(); ++row0) {
            const QStringView stamp = stampOf(row0);
            if (!stamp.isEmpty() && isNumbered(row0))
                ++m_groups[m_naming.pattern.key(stamp)].size;
        }
    }

    // number 0 means none: the date text is the photo's alone.
    QString compose(int row0, QStringView stamp, int number, double start, int width) const {
        const QStringView extension = name_parts::extensionOf(m_originals[row0]);
        QString name;
        name.reserve(m_fields.prefix.size() + m_naming.pattern.textLength() + 1 + width +
                     extension.size());
        name.append(m_fields.prefix);
        m_naming.pattern.appendTo(name, stamp);
        if (number > 0 && width > 0) {
            name.append(QLatin1Char('_'));
            name_parts::appendNumberPart(name, number + start - 1, width);
        }
        name.append(extension);
        return name;
    }

    const NamingFields& m_fields;
    const bool m_renameAll;
    const QStringList& m_originals;
    const std::function<bool(int)>& m_isSelected;
    const DatedNaming& m_naming;
    const QStringList& m_stamps;
    QHash<qint64, DateGroup> m_groups;
};

} // namespace

NewNames computeDatedNames(const NamingFields& fields, bool renameAll,
                           const QStringList& originalNames,
                           const std::function<bool(int row0)>& isSelected,
                           const DatedNaming& naming, const QStringList& stamps) {
    return DatedNamer(fields, renameAll, originalNames, isSelected, naming, stamps).run();
}

} // namespace km
