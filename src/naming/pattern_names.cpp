// SPDX-License-Identifier: MIT
#include "naming/pattern_names.h"

#include "files/file_names.h"
#include "naming/dated_names.h"
#include "naming/name_parts.h"
#include "naming/pattern_words.h"
#include "numbers/number_text.h"
#include "numbers/rounding.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <optional>

namespace km {

namespace {

bool isSeparatorText(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c == u'-' || c == u'_' || c == u'.' || c == u' ';
    });
}

// A value made safe once for the rows that share it: photos of one camera follow each other.
class SafeValue {
public:
    const QString& of(const QString& value) {
        if (!m_known || value != m_value) {
            m_value = value;
            m_safe = safeNameValue(value);
            m_known = true;
        }
        return m_safe;
    }

private:
    bool m_known = false;
    QString m_value;
    QString m_safe;
};

class CameraValue {
public:
    const QString& of(const CameraTags& tags) {
        if (!m_known || tags.make != m_make || tags.model != m_model) {
            m_make = tags.make;
            m_model = tags.model;
            m_safe = safeNameValue(cameraName(safeNameValue(tags.make), tags.model));
            m_known = true;
        }
        return m_safe;
    }

private:
    bool m_known = false;
    QString m_make;
    QString m_model;
    QString m_safe;
};

// One row's text of each piece of the pattern; Date and Time pieces are written from the time.
struct RowParts {
    std::vector<QStringView> texts;
    const CalendarTime* time = nullptr;
    MissingValue missing = MissingValue::None;
};

class PatternNamer {
public:
    PatternNamer(const NamingFields& fields, const QStringList& originals,
                 const PatternNaming& naming, const RowMetadata& metadata)
        : m_fields(fields), m_originals(originals), m_naming(naming),
          m_pieces(naming.pattern.pieces()), m_metadata(metadata) {
        m_parts.texts.resize(m_pieces.size());
        for (std::size_t i = 0; i < m_pieces.size(); ++i)
            if (m_pieces[i].field == PatternField::Number)
                m_numberPiece = static_cast<qsizetype>(i);
    }

    bool hasNumber() const { return m_numberPiece >= 0; }

    // The parts of a row; false when it lacks a value, which parts().missing names.
    bool read(int row0) {
        m_parts.missing = MissingValue::None;
        const auto row = static_cast<std::size_t>(row0);
        const CameraTags* tags =
            row < m_metadata.cameras.size() ? &m_metadata.cameras[row] : nullptr;
        m_parts.time = row < m_metadata.times.size() && m_metadata.times[row]
                           ? &*m_metadata.times[row]
                           : nullptr;
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            QStringView& text = m_parts.texts[i];
            text = {};
            switch (m_pieces[i].field) {
            case PatternField::Text:
                text = m_pieces[i].text;
                break;
            case PatternField::Prefix:
                text = m_fields.prefix;
                break;
            case PatternField::Number:
                break;
            case PatternField::Date:
            case PatternField::Time:
                if (!m_parts.time)
                    return lacks(MissingValue::DateTaken);
                break;
            case PatternField::Make:
                text = tags ? m_make.of(tags->make) : QStringView();
                if (text.isEmpty())
                    return lacks(MissingValue::Make);
                break;
            case PatternField::Model:
            case PatternField::Camera:
                text = !tags                                      ? QStringView()
                       : m_pieces[i].field == PatternField::Model ? m_model.of(tags->model)
                                                                  : m_camera.of(*tags);
                if (text.isEmpty())
                    return lacks(MissingValue::Model);
                break;
            case PatternField::Lens:
                text = tags ? m_lens.of(tags->lens) : QStringView();
                if (text.isEmpty())
                    return lacks(MissingValue::Lens);
                break;
            case PatternField::Serial:
                text = tags ? m_serial.of(tags->serial) : QStringView();
                if (text.isEmpty())
                    return lacks(MissingValue::Serial);
                break;
            case PatternField::Name:
                text = fs::stemOf(m_originals[row0]);
                break;
            case PatternField::Original:
                text = originalNumber(m_originals[row0]);
                if (text.isEmpty())
                    return lacks(MissingValue::OriginalNumber);
                break;
            case PatternField::Folder:
                text = m_naming.folderName;
                break;
            }
        }
        return true;
    }

    MissingValue missing() const { return m_parts.missing; }

    // The text the pattern gives the row read last around its number, which rows that share it
    // count in one group.
    QString groupText() const { return write(std::nullopt, 0, {}, false); }

    // The name of the row read last: without a number (or with a width of 0), the separator
    // text beside the number goes with it.
    QString name(int row0, std::optional<double> number, int width) const {
        const QStringView extension = fs::extensionOf(m_originals[row0]);
        QString name = write(number, width, extension, true);
        fs::setExtensionCase(name, name.size() - extension.size(), m_naming.extensionCase);
        return name;
    }

private:
    bool lacks(MissingValue value) {
        m_parts.missing = value;
        return false;
    }

    // The separator piece left out with a number that is not written: the one before it where
    // something comes before that, else the one after it.
    qsizetype droppedSeparator() const {
        const qsizetype before = m_numberPiece - 1;
        if (before >= 1 && isSeparatorText(m_parts.texts[static_cast<std::size_t>(before)]) &&
            m_pieces[static_cast<std::size_t>(before)].field == PatternField::Text)
            return before;
        const qsizetype after = m_numberPiece + 1;
        if (before < 1 && after < static_cast<qsizetype>(m_pieces.size()) &&
            m_pieces[static_cast<std::size_t>(after)].field == PatternField::Text &&
            isSeparatorText(m_parts.texts[static_cast<std::size_t>(after)]))
            return after;
        return -1;
    }

    QString write(std::optional<double> number, int width, QStringView extension,
                  bool dropSeparator) const {
        const bool numbered = number && width > 0;
        const qsizetype dropped =
            !numbered && dropSeparator && hasNumber() ? droppedSeparator() : -1;
        qsizetype length = extension.size();
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            if (static_cast<qsizetype>(i) == dropped)
                continue;
            if (m_pieces[i].date)
                length += m_pieces[i].date->textLength();
            else if (m_pieces[i].field == PatternField::Number)
                length += numbered ? width : 0;
            else
                length += m_parts.texts[i].size();
        }
        QString name(length, Qt::Uninitialized);
        QChar* out = name.data();
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            if (static_cast<qsizetype>(i) == dropped)
                continue;
            if (m_pieces[i].date)
                out = m_pieces[i].date->writeTo(out, *m_parts.time);
            else if (m_pieces[i].field == PatternField::Number)
                out = numbered ? name_parts::writeNumberPart(out, *number, width) : out;
            else
                out = std::copy_n(m_parts.texts[i].data(), m_parts.texts[i].size(), out);
        }
        std::copy_n(extension.data(), extension.size(), out);
        return name;
    }

    const NamingFields& m_fields;
    const QStringList& m_originals;
    const PatternNaming& m_naming;
    const std::vector<NamePattern::Piece>& m_pieces;
    const RowMetadata& m_metadata;
    qsizetype m_numberPiece = -1;
    RowParts m_parts;
    SafeValue m_make;
    SafeValue m_model;
    SafeValue m_lens;
    SafeValue m_serial;
    CameraValue m_camera;
};

// How many numbered rows share each group text, and how many of them are numbered so far.
struct Group {
    int size = 0;
    int numbered = 0;
};

} // namespace

PatternNames computePatternNames(const NamingFields& fields, bool renameAll,
                                 const QStringList& originalNames,
                                 const std::function<bool(int row0)>& isSelected,
                                 const PatternNaming& naming, const RowMetadata& metadata) {
    PatternNamer namer(fields, originalNames, naming, metadata);
    const double start = readNumber(fields.start);
    const double digits = readNumber(fields.digits);
    // An infinite start would give every row the same number text, so such rows get none.
    const std::optional<int> width =
        std::isfinite(start) ? name_parts::paddingWidth(digits) : std::nullopt;
    const auto isNumbered = [&](int row0) {
        return renameAll || (isSelected && isSelected(row0));
    };
    const bool grouped = namer.hasNumber() && naming.numbering != DateNumbering::Run;

    PatternNames result;
    NewNames& proposal = result.proposal;
    QHash<QString, Group> groups;
    std::vector<QString> groupTexts;
    if (grouped) {
        groupTexts.resize(static_cast<std::size_t>(originalNames.size()));
        for (int row0 = 0; row0 < originalNames.size(); ++row0) {
            if (isNumbered(row0) && namer.read(row0)) {
                QString text = namer.groupText();
                ++groups[text].size;
                groupTexts[static_cast<std::size_t>(row0)] = std::move(text);
            }
        }
    }

    proposal.names.reserve(originalNames.size());
    int runNumber = 0;
    int largestNumber = 0;
    for (int row0 = 0; row0 < originalNames.size(); ++row0) {
        if (!isNumbered(row0)) {
            proposal.names.append(QString());
            continue;
        }
        if (!namer.read(row0)) {
            if (result.missing.empty())
                result.missing.resize(static_cast<std::size_t>(originalNames.size()));
            result.missing[static_cast<std::size_t>(row0)] = namer.missing();
            ++proposal.leftOutCount;
            proposal.names.append(QString());
            continue;
        }
        int number = ++runNumber;
        if (grouped) {
            Group& group = groups[groupTexts[static_cast<std::size_t>(row0)]];
            number =
                naming.numbering == DateNumbering::Shared && group.size == 1 ? 0 : ++group.numbered;
        }
        if (namer.hasNumber())
            largestNumber = std::max(largestNumber, number);
        proposal.names.append(
            namer.name(row0, number > 0 ? std::optional(number + start - 1) : std::nullopt,
                       width.value_or(0)));
    }
    proposal.numberedCount = runNumber;
    // A number part of no digits is fine only where no photo needs a number.
    proposal.renameEnabled = runNumber >= 1 && (!namer.hasNumber() || width.has_value()) &&
                             (largestNumber == 0 || std::pow(10.0, digits) > largestNumber);
    return result;
}

QString patternExampleLine(const NamingFields& fields, const PatternNaming& naming,
                           const QStringList& originalNames, const RowMetadata& metadata) {
    static const RowTimes kMadeTimes{kExampleTime};
    static const RowCameras kMadeCameras{{QStringLiteral("Canon"), QStringLiteral("Canon EOS R5"),
                                          QStringLiteral("RF24-105mm F4 L IS USM"),
                                          QStringLiteral("032021001234")}};
    static const QStringList kMadeNames{QStringLiteral("IMG_2041.JPG")};
    const bool listed = !originalNames.isEmpty();
    const QStringList& names = listed ? originalNames : kMadeNames;
    const RowMetadata made{kMadeTimes, kMadeCameras};
    PatternNamer namer(fields, names, naming, listed ? metadata : made);
    const std::optional<qint32> start = roundToInt32(readNumber(fields.start));
    const int width = start ? name_parts::paddingWidth(readNumber(fields.digits)).value_or(0) : 0;
    // The first photo that gets a name shows it; where none does, the first says what it lacks.
    for (int row0 = 0; row0 < names.size(); ++row0)
        if (namer.read(row0))
            return exampleLineOf(namer.name(row0, start, width));
    namer.read(0);
    return exampleLineOf(missingValueText(namer.missing()));
}

} // namespace km
