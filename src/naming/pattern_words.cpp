// SPDX-License-Identifier: MIT
#include "naming/pattern_words.h"

#include <QCoreApplication>

namespace km {

namespace {

class PatternWords {
    Q_DECLARE_TR_FUNCTIONS(PatternWords)
};

} // namespace

QString missingValueText(MissingValue missing) {
    switch (missing) {
    case MissingValue::None:
        break;
    case MissingValue::DateTaken:
        return PatternWords::tr("(no date taken)");
    case MissingValue::Make:
        return PatternWords::tr("(no camera make)");
    case MissingValue::Model:
        return PatternWords::tr("(no camera model)");
    case MissingValue::Lens:
        return PatternWords::tr("(no lens)");
    case MissingValue::Serial:
        return PatternWords::tr("(no serial number)");
    case MissingValue::OriginalNumber:
        return PatternWords::tr("(no number in the name)");
    }
    return {};
}

QString missingValueTip(MissingValue missing) {
    switch (missing) {
    case MissingValue::None:
        break;
    case MissingValue::DateTaken:
        return PatternWords::tr("no date taken: the photo keeps its name, as the time of its file "
                                "may not be when it was taken");
    case MissingValue::Make:
        return PatternWords::tr(
            "no camera make in the photo's EXIF data: the photo keeps its name");
    case MissingValue::Model:
        return PatternWords::tr(
            "no camera model in the photo's EXIF data: the photo keeps its name");
    case MissingValue::Lens:
        return PatternWords::tr("no lens model in the photo's EXIF data: the photo keeps its name");
    case MissingValue::Serial:
        return PatternWords::tr(
            "no camera serial number in the photo's EXIF data: the photo keeps its name");
    case MissingValue::OriginalNumber:
        return PatternWords::tr("no digits in the original name: the photo keeps its name");
    }
    return {};
}

QString patternErrorText(const PatternError& error) {
    const qsizetype at = error.position + 1;
    switch (error.fault) {
    case PatternFault::UnknownField:
        return PatternWords::tr("Unknown field {%1} at character %2.").arg(error.text).arg(at);
    case PatternFault::UnclosedBrace:
        return PatternWords::tr("The brace at character %1 is not closed.").arg(at);
    case PatternFault::UnopenedBrace:
        return PatternWords::tr("The brace at character %1 closes no field.").arg(at);
    case PatternFault::UnknownDateFormat:
        return PatternWords::tr("Character %1 (\"%2\") is no part of a date format: use YYYY MM "
                                "DD hh mm ss and - _ . or a space.")
            .arg(at)
            .arg(error.text);
    case PatternFault::UnsafeCharacter:
        return PatternWords::tr("Character %1 (\"%2\") cannot be in a file name.")
            .arg(at)
            .arg(error.text.front().unicode() < 0x20
                     ? QStringLiteral("\\x%1").arg(error.text.front().unicode(), 2, 16,
                                                   QLatin1Char('0'))
                     : error.text);
    case PatternFault::TooLong:
        return PatternWords::tr("The pattern is longer than %1 characters.").arg(at - 1);
    }
    return {};
}

QString patternFieldLabel(PatternField field) {
    switch (field) {
    case PatternField::Text:
        break;
    case PatternField::Prefix:
        return PatternWords::tr("Prefix box");
    case PatternField::Number:
        return PatternWords::tr("Running number (Start and Digits boxes)");
    case PatternField::Date:
        return PatternWords::tr("Date taken (YYYY-MM-DD; {date:FORMAT} for others)");
    case PatternField::Time:
        return PatternWords::tr("Time taken (hh-mm-ss)");
    case PatternField::Camera:
        return PatternWords::tr("Camera (make and model)");
    case PatternField::Make:
        return PatternWords::tr("Camera make");
    case PatternField::Model:
        return PatternWords::tr("Camera model");
    case PatternField::Lens:
        return PatternWords::tr("Lens");
    case PatternField::Serial:
        return PatternWords::tr("Camera serial number");
    case PatternField::Name:
        return PatternWords::tr("Original name");
    case PatternField::Original:
        return PatternWords::tr("Number in the original name");
    case PatternField::Folder:
        return PatternWords::tr("Folder name");
    }
    return {};
}

QString datePresetName() {
    return PatternWords::tr("Date taken");
}

QString dateTimePresetName() {
    return PatternWords::tr("Date and time taken");
}

QString unreadablePatternText() {
    return PatternWords::tr("(The stored name pattern cannot be read: designed names are used.)");
}

} // namespace km
