// SPDX-License-Identifier: MIT
#pragma once

#include "naming/date_pattern.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace km {

// What a part of a name pattern shows: text as typed, or the value of a field in braces.
enum class PatternField {
    Text,
    Prefix,
    Number,
    Date,
    Time,
    // The camera's tags, Make to Serial, follow each other.
    Make,
    Model,
    Camera,
    Lens,
    Serial,
    Name,
    Original,
    Folder,
};

// A value a photo lacks for its pattern, so that it keeps its name.
enum class MissingValue : quint8 {
    None,
    DateTaken,
    Make,
    Model,
    Lens,
    Serial,
    OriginalNumber,
};

// What makes a pattern text no pattern.
enum class PatternFault {
    UnknownField,
    UnclosedBrace,
    UnopenedBrace,
    UnknownDateFormat,
    UnsafeCharacter,
    TooLong,
};

// A fault, where it is (0-based, in characters of the text) and what stands there: the unknown
// field's name, the date format or the character.
struct PatternError {
    PatternFault fault = PatternFault::UnknownField;
    qsizetype position = 0;
    QString text;

    bool operator==(const PatternError&) const = default;
};

// A name pattern: text with fields in braces, "{date}_{camera}_{number}". Outside the braces
// nothing is taken that a disk refuses in a name ("/", ":" and control characters), so that a
// name that goes wrong is always a value read from a photo, which is made safe on its own.
class NamePattern {
public:
    struct Piece {
        PatternField field = PatternField::Text;
        // The text of a Text piece.
        QString text;
        // How a Date or Time piece writes its time.
        std::optional<DatePattern> date;
    };

    // The pattern of a text, or what is wrong with it.
    struct Reading;
    static Reading read(QStringView text);

    const std::vector<Piece>& pieces() const { return m_pieces; }
    const QString& text() const { return m_text; }
    bool uses(PatternField field) const;
    // True when the pattern shows the date or time taken, so photos are numbered in the order
    // taken.
    bool usesDateTaken() const { return uses(PatternField::Date) || uses(PatternField::Time); }
    // True when the pattern shows anything read from the photos' metadata.
    bool usesPhotoFacts() const;

    static constexpr qsizetype kMaxLength = 255;

private:
    QString m_text;
    std::vector<Piece> m_pieces;
};

struct NamePattern::Reading {
    std::optional<NamePattern> pattern;
    std::optional<PatternError> error;
};

// The names of the fields, as they are typed in braces, in the order a menu offers them.
const std::vector<std::pair<QStringView, PatternField>>& patternFieldNames();

// The patterns the menu's date choices give names by: their names are the same, byte for byte.
inline constexpr QStringView kDatePreset = u"{prefix}{date}_{number}";
inline constexpr QStringView kDateTimePreset = u"{prefix}{date}_{time}_{number}";

// A value read from a photo made safe for a name on every disk: "/", "\", ":", control
// characters and the characters Windows shares refuse become "-", blanks in a run one blank,
// leading and trailing dots and blanks go. Empty when nothing is left, which counts as missing.
QString safeNameValue(const QString& value);

// The camera as the {camera} field names it: the model, with the first word of the make in
// front unless the model starts with it already ("Canon EOS R5", "SONY ILCE-7M3"). Empty without
// a model.
QString cameraName(const QString& make, const QString& model);

// The last run of digits in a name without its extension ("IMG_2041" gives "2041"); empty when
// it has none.
QStringView originalNumber(QStringView stem);

} // namespace km
