// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace km {

// The user's choices kept from one run to the next. Defaults are the values of lines that are not
// read: empty texts, every box unchecked, "Rename All".
struct Settings {
    QString folder;
    QString prefix;
    QString startNumber;
    QString digits;
    // Check box states: 0 unchecked, 1 checked, 2 greyed.
    int jpegState = 0;
    int bitmapState = 0;
    int gifState = 0;
    int previewState = 0;
    bool renameAll = true;

    bool operator==(const Settings&) const = default;
};

inline constexpr const char* kSettingsFileName = "Kestrelmark.cfg";

// Reads the file's nine lines in this order: folder, prefix, start number, digits, the JPEG,
// Bitmap, GIF and preview states, the rename scope ("Y" is Rename All, anything else is not).
// Reading stops silently at the first failure (no file, end of the file, a read error); fields not
// read keep their defaults. A line ends at CR, CR LF or LF. Reading stops after 64 KiB, so a
// damaged file of junk cannot hold start-up.
Settings readSettingsFile(const QString& path);

// Writes the nine lines, each ended by CR LF, through a temporary file renamed over the old one,
// so a crash or a full disk never leaves a truncated file; a value holding CR or LF is written as
// an empty line, so the file always has nine lines. Returns false when it could not write.
bool writeSettingsFile(const QString& path, const Settings& settings);

// A numeric line as a check box state: the line read as a number and rounded half-even. Values
// that are no check box state (0 unchecked, 1 checked, 2 greyed) count as unchecked.
int checkBoxState(const QString& line);

} // namespace km
