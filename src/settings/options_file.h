// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_names.h"
#include "naming/date_pattern.h"
#include "naming/name_pattern.h"

#include <QRect>
#include <QString>
#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace km {

// The order in which the photo list numbers the photos.
enum class PhotoOrder { Name, Taken };

// Where the main window stood and how its list was laid out when it was closed.
struct WindowPlace {
    // The window's client area on the desktop, in pixels; empty for none kept.
    QRect geometry = {};
    bool maximised = false;
    // The list's width, dragged by its divider, in twips; 0 for the designed width.
    int listWidth = 0;
    // The list's columns, in pixels; empty for the designed widths.
    std::vector<int> columnWidths = {};

    bool operator==(const WindowPlace&) const = default;
};

// The choices the user makes beyond the nine designed settings, kept in their own file so that
// Kestrelmark.cfg stays as designed. The defaults behave exactly as the designed program.
struct Options {
    PhotoOrder order = PhotoOrder::Name;
    // RAW and sidecar files are renamed with their photo.
    bool companions = false;
    // HEIC, HEIF, AVIF, PNG, TIFF and WebP photos are listed besides the designed three types.
    bool moreTypes = false;
    // RAW photos are listed in their own right, but those that follow a listed photo.
    bool raw = false;
    // Videos are listed in their own right, but a Live Photo's video that follows its photo.
    bool videos = false;
    // A photo without a date in its metadata is dated from its name (as phones and messengers
    // write them), and, as the last resort, from its file's modification time.
    bool nameDates = false;
    bool fileTimes = false;
    // The date taken in the new names, and how photos are numbered then.
    DateInNames date = DateInNames::None;
    DateNumbering numbers = DateNumbering::Run;
    // The pattern of the date text; empty for the default of the date choice.
    QString dateFormat = {};
    // The name pattern as stored (see NamePattern); empty for none. While it holds one, it
    // names the photos instead of the date choice.
    QString pattern = {};
    fs::ExtensionCase extensionCase = fs::ExtensionCase::Keep;
    // The patterns saved by name, in the order saved.
    std::vector<std::pair<QString, QString>> presets = {};
    // How far each camera's clock is off, in seconds, by the camera's name ("MAKE MODEL", with
    // " SERIAL" where its photos name one, or "Videos"), kept under [Clocks]; none is +00:00:00.
    std::vector<std::pair<QString, qint32>> clocks = {};
    // The window's place and its list's widths are kept, under [Window], and restored.
    bool keepWindow = false;
    WindowPlace window = {};
    // The list follows the folder: files that come, go or change are listed without a click.
    bool followFolder = false;
    // Names are checked as they are typed: rows whose names a file system refuses or whose numbers
    // are cut turn red with the reason, and the duplicates message names the first clash.
    bool checkNames = false;
    // The question counts the photos renamed, and a note says what a rename or an undo did.
    bool counts = false;

    bool operator==(const Options&) const = default;

    // The name pattern in force: nothing when there is none, or it cannot be read.
    std::optional<NamePattern> namePattern() const {
        return pattern.isEmpty() ? std::nullopt : NamePattern::read(pattern).pattern;
    }
    // A pattern is stored but cannot be read, so the designed names are used.
    bool patternUnreadable() const { return !pattern.isEmpty() && !namePattern(); }
    // The date choice in force: none while a pattern names the photos.
    DateInNames dateInForce() const { return namePattern() ? DateInNames::None : date; }
    // With a date in the names the photos are numbered in the order taken, whatever order is.
    PhotoOrder orderInForce() const {
        if (const std::optional<NamePattern> named = namePattern())
            return named->usesDateTaken() ? PhotoOrder::Taken : order;
        return date == DateInNames::None ? order : PhotoOrder::Taken;
    }
    // Whether a name pattern shows the camera's tags, which are then read with the dates.
    bool namesShowCameras() const {
        const std::optional<NamePattern> named = namePattern();
        return named && std::any_of(named->pieces().begin(), named->pieces().end(),
                                    [](const NamePattern::Piece& piece) {
                                        return piece.field >= PatternField::Make &&
                                               piece.field <= PatternField::Serial;
                                    });
    }
    // Whether the listed photos' metadata is read for their names or their order.
    bool readsPhotoFacts() const {
        if (const std::optional<NamePattern> named = namePattern())
            return named->usesPhotoFacts() || orderInForce() == PhotoOrder::Taken;
        return orderInForce() == PhotoOrder::Taken;
    }
    DatePattern datePattern() const {
        return DatePattern::read(dateFormat).value_or(DatePattern(date));
    }
};

inline constexpr const char* kOptionsFileName = "options.ini";

// Reads an INI file whose [General] section has the keys "order" ("name" or "taken"),
// "companions" and "moretypes" ("false" or "true"), "date" ("none", "date" or "datetime"),
// "numbers" ("run", "restart" or "shared"), "dateformat" (a date pattern, see DatePattern),
// "pattern" (a name pattern, kept as it is written even when it cannot be read) and "extcase"
// ("keep", "lower" or "upper"), "keepwindow", "followfolder", "checknames" and "counts"
// ("false" or "true"), whose
// [Presets] section holds one NAME=PATTERN a line, whose [Clocks] section holds one
// CAMERA=OFFSET a line, and whose [Window] section has "geometry" (X,Y,WIDTH,HEIGHT),
// "maximised", "listwidth" and "columns" (WIDTH,WIDTH). A
// missing or damaged file, and any key or value it cannot read, give the defaults.
Options readOptionsFile(const QString& path);

// Writes the file whole through a temporary file, creating its folder; false when it could not.
bool writeOptionsFile(const QString& path, const Options& options);

} // namespace km
