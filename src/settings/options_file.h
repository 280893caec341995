// SPDX-License-Identifier: MIT
#pragma once

#include "naming/date_pattern.h"

#include <QString>

namespace km {

// The order in which the photo list numbers the photos.
enum class PhotoOrder { Name, Taken };

// The choices the user makes beyond the nine designed settings, kept in their own file so that
// Kestrelmark.cfg stays as designed. The defaults behave exactly as the designed program.
struct Options {
    PhotoOrder order = PhotoOrder::Name;
    // RAW and sidecar files are renamed with their photo.
    bool companions = false;
    // HEIC, HEIF, AVIF, PNG, TIFF and WebP photos are listed besides the designed three types.
    bool moreTypes = false;
    // The date taken in the new names, and how photos are numbered then.
    DateInNames date = DateInNames::None;
    DateNumbering numbers = DateNumbering::Run;
    // The pattern of the date text; empty for the default of the date choice.
    QString dateFormat = {};

    bool operator==(const Options&) const = default;

    // With a date in the names the photos are numbered in the order taken, whatever order is.
    PhotoOrder orderInForce() const {
        return date == DateInNames::None ? order : PhotoOrder::Taken;
    }
    DatePattern datePattern() const {
        return DatePattern::read(dateFormat).value_or(DatePattern(date));
    }
};

inline constexpr const char* kOptionsFileName = "options.ini";

// Reads an INI file with the keys "order" ("name" or "taken"), "companions" and "moretypes"
// ("false" or "true"), "date" ("none", "date" or "datetime"), "numbers" ("run", "restart" or
// "shared") and "dateformat" (a date pattern, see DatePattern). A missing or damaged file, and
// any key or value it cannot read, give the defaults.
Options readOptionsFile(const QString& path);

// Writes the file whole through a temporary file, creating its folder; false when it could not.
bool writeOptionsFile(const QString& path, const Options& options);

} // namespace km
