#pragma once

#include <QString>
#include <array>

namespace km {

// The user's choices kept from one run to the next: nine text lines ended by CR LF, a line's
// meaning being its position (folder, prefix, start number, digits, JPEG, Bitmap, GIF, preview as
// check box states, rename scope "Y"/"N").
struct SettingsLines {
    static constexpr int kCount = 9;
    // Every line empty except the rename scope, "Y": the values of lines that are not read.
    std::array<QString, kCount> lines{{{}, {}, {}, {}, {}, {}, {}, {}, QStringLiteral("Y")}};

    bool operator==(const SettingsLines&) const = default;
};

inline constexpr const char* kSettingsFileName = "Kestrelmark.cfg";

// Reads the lines in order, stopping silently at the first failure (no file, end of the file, a
// read error); lines not read keep their defaults. A line ends at CR, CR LF or LF. Reading stops
// after 64 KiB, so a damaged file of junk cannot hold start-up.
SettingsLines readSettingsFile(const QString& path);

// Writes the nine lines, each ended by CR LF, through a temporary file renamed over the old one,
// so a crash or a full disk never leaves a truncated file; a value holding CR or LF is written as
// an empty line, so the file always has nine lines. Returns false when it could not write.
bool writeSettingsFile(const QString& path, const SettingsLines& settings);

// A numeric line as a check box state: the line read as a number and rounded half-even. Values
// that are no check box state (0 unchecked, 1 checked, 2 greyed) count as unchecked.
int checkBoxState(const QString& line);

} // namespace km
