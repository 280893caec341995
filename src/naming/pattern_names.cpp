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

// The texts a camera's tags give names, made safe once for all the photos it took.
struct CameraTexts {
    QString make;
    QString model;
    QString camera;
    QString lens;
    QString serial;
};

std::vector<CameraTexts> cameraTextsOf(const RowCameras& cameras) {
    std::vector<CameraTexts> texts;
    texts.reserve(cameras.cameras().size());
    for (const CameraTags& tags : cameras.cameras())
        texts.push_back({safeNameValue(tags.make), safeNameValue(tags.model),
                         safeNameValue(cameraName(safeNameValue(tags.make), tags.model)),
                         safeNameValue(tags.lens), safeNameValue(tags.serial)});
    return texts;
}

// The camera's text a field shows, and what a photo without it lacks.
struct CameraField {
    QString CameraTexts::*text;
    MissingValue lacking;
};

CameraField cameraFieldOf(PatternField field) {
    switch (field) {
    case PatternField::Make:
        return {&CameraTexts::make, MissingValue::Make};
    case PatternField::Camera:
        return {&CameraTexts::camera, MissingValue::Model};
    case PatternField::Lens:
        return {&CameraTexts::lens, MissingValue::Lens};
    case PatternField::Serial:
        return {&CameraTexts::serial, MissingValue::Serial};
    default:
        return {&CameraTexts::model, MissingValue::Model};
    }
}

// One row's text of each piece of the pattern, and how long they are together.
struct RowParts {
    std::vector<QStringView> texts;
    QStringView extension;
    qsizetype length = 0;
    MissingValue missing = MissingValue::None;
};

class PatternNamer {
public:
    PatternNamer(const NamingFields& fields, const QStringList& originals,
                 const PatternNaming& naming, const RowMetadata& metadata)
        : m_originals(originals), m_pieces(naming.pattern.pieces()), m_metadata(metadata),
          m_extensionCase(naming.extensionCase), m_cameraTexts(cameraTextsOf(metadata.cameras)) {
        m_parts.texts.resize(m_pieces.size());
        m_lastDates.resize(m_pieces.size());
        // The pieces that read the same for every row are looked up once.
        for (std::size_t i = 0; i < m_pieces.size(); ++i) {
            const NamePattern::Piece& piece = m_pieces[i];
            QStringView& text = m_parts.texts[i];
            switch (piece.field) {
            case PatternField::Text:
                text = piece.text;
                break;
            case PatternField::Prefix:
                text = fields.prefix;
                break;
            case PatternField::Folder:
                text = naming.folderName;
                break;
            case PatternField::Number:
                m_numberPiece = static_cast<qsizetype>(i);
                break;
            default:
                m_rowPieces.push_back(i);
                continue;
            }
            m_fixedLength += text.size();
        }
    }

    bool hasNumber() const { return m_numberPiece >= 0; }

    // The parts of a row; false when it lacks a value, which missing() names.
    bool read(int row0) {
        m_parts.missing = MissingValue::None;
        const auto row = static_cast<std::size_t>(row0);
        const CameraTexts* camera = row < m_metadata.cameras.size()
                                        ? &m_cameraTexts[m_metadata.cameras.cameraOf(row)]
                                        : nullptr;
        const CalendarTime* time = row < m_metadata.times.size() && m_metadata.times[row]
                                       ? &*m_metadata.times[row]
                                       : nullptr;
        const QString& original = m_originals[row0];
        m_parts.extension = fs::extensionOf(original);
        const QStringView stem = QStringView(original).chopped(m_parts.extension.size());
        qsizetype length = m_fixedLength + m_parts.extension.size();
        for (const std::size_t i : m_rowPieces) {
            QStringView& text = m_parts.texts[i];
            switch (m_pieces[i].field) {
            case PatternField::Date:
            case PatternField::Time:
                if (!time)
                    return lacks(MissingValue::DateTaken);
                text = dateText(i, *time);
                break;
            case PatternField::Make:
            case PatternField::Model:
            case PatternField::Camera:
            case PatternField::Lens:
            case PatternField::Serial: {
                const CameraField field = cameraFieldOf(m_pieces[i].field);
                text = camera ? QStringView(camera->*field.text) : QStringView();
                if (text.isEmpty())
                    return lacks(field.lacking);
                break;
            }
            case PatternField::Name:
                text = stem;
                break;
            case PatternField::Original:
                text = originalNumber(stem);
                if (text.isEmpty())
                    return lacks(MissingValue::OriginalNumber);
                break;
            default:
                break;
            }
            length += text.size();
        }
        m_parts.length = length;
        return true;
    }

    MissingValue missing() const { return m_parts.missing; }

    // The text the pattern gives the row read last around its number, which rows that share it
    // count in one group.
    QString groupText() const {
        return write(std::nullopt, 0, -1, m_parts.length - m_parts.extension.size(), {});
    }

    // The name of the row read last: without a number (or with a width of 0), the separator
    // text beside the number goes with it.
    QString name(std::optional<double> number, int width) const {
        const bool numbered = hasNumber() && number && width > 0;
        const qsizetype dropped = !numbered && hasNumber() ? droppedSeparator() : -1;
        const qsizetype length =
            m_parts.length + (numbered ? width : 0) -
            (dropped >= 0 ? m_parts.texts[static_cast<std::size_t>(dropped)].size() : 0);
        QString name = write(number, numbered ? width : 0, dropped, length, m_parts.extension);
        fs::setExtensionCase(name, name.size() - m_parts.extension.size(), m_extensionCase);
        return name;
    }

private:
    bool lacks(MissingValue value) {
        m_parts.missing = value;
        return false;
    }

    // Photos one after another were mostly taken on the same day: a date text written once
    // serves the next photos with the same text.
    QStringView dateText(std::size_t piece, const CalendarTime& time) {
        const DatePattern& pattern = *m_pieces[piece].date;
        LastDate& last = m_lastDates[piece];
        const qint64 key = pattern.key(time);
        if (last.text.isEmpty() || last.key != key) {
            last.key = key;
            last.text.resize(pattern.textLength());
            pattern.writeTo(last.text.data(), time);
        }
        return last.text;
    }

    // The separator piece left out with a number that is not written: the one before it where
    // something comes before that, else the one after it.
    qsizetype droppedSeparator() const {
        const auto separatorAt = [this](qsizetype at) {
            return at >= 0 && at < static_cast<qsizetype>(m_pieces.size()) &&
                   m_pieces[static_cast<std::size_t>(at)].field == PatternField::Text &&
                   isSeparatorText(m_parts.texts[static_cast<std::size_t>(at)]);
        };
        const qsizetype before = m_numberPiece - 1;
        if (before >= 1)
            return separatorAt(before) ? before : -1;
        return separatorAt(m_numberPiece + 1) ? m_numberPiece + 1 : -1;
    }

    // The pieces written in one buffer of the length they need; width 0 writes no number.
    QString write(std::optional<double> number, int width, qsizetype dropped, qsizetype length,
                  QStringView extension) const {
        QString name(length, Qt::Uninitialized);
        QChar* out = name.data();
        const auto pieces = static_cast<qsizetype>(m_pieces.size());
        for (qsizetype i = 0; i < pieces; ++i) {
            if (i == m_numberPiece) {
                if (width > 0)
                    out = name_parts::writeNumberPart(out, *number, width);
            } else if (i != dropped) {
                const QStringView text = m_parts.texts[static_cast<std::size_t>(i)];
                out = std::copy_n(text.data(), text.size(), out);
            }
        }
        std::copy_n(extension.data(), extension.size(), out);
        return name;
    }

    struct LastDate {
        qint64 key = 0;
        QString text;
    };

    const QStringList& m_originals;
    const std::vector<NamePattern::Piece>& m_pieces;
    const RowMetadata& m_metadata;
    const fs::ExtensionCase m_extensionCase;
    const std::vector<CameraTexts> m_cameraTexts;
    // The pieces whose text is each row's own.
    std::vector<std::size_t> m_rowPieces;
    qsizetype m_numberPiece = -1;
    qsizetype m_fixedLength = 0;
    RowParts m_parts;
    std::vector<LastDate> m_lastDates;
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
        proposal.names.append(namer.name(
            number > 0 ? std::optional(number + start - 1) : std::nullopt, width.value_or(0)));
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
    static const RowCameras kMadeCameras = [] {
        RowCameras cameras;
        cameras.push_back({QStringLiteral("Canon"), QStringLiteral("Canon EOS R5"),
                           QStringLiteral("RF24-105mm F4 L IS USM"),
                           QStringLiteral("032021001234")});
        return cameras;
    }();
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
            return exampleLineOf(namer.name(start, width));
    namer.read(0);
    return exampleLineOf(missingValueText(namer.missing()));
}

} // namespace km
