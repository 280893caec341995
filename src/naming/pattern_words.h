// SPDX-License-Identifier: MIT
#pragma once

#include "naming/name_pattern.h"

#include <QString>

namespace km {

// What a row that lacks a value shows as its new name, in grey: "(no lens)".
QString missingValueText(MissingValue missing);
// Why it keeps its name, for its tooltip.
QString missingValueTip(MissingValue missing);
// What is wrong with a pattern and where, for the line under the pattern's box.
QString patternErrorText(const PatternError& error);
// What a field shows, for the menu that inserts it: "Camera (make and model)".
QString patternFieldLabel(PatternField field);
// The names of the program's own presets, which the date choices name by.
QString datePresetName();
QString dateTimePresetName();
// Said once where a stored pattern could not be read and the designed names are used.
QString unreadablePatternText();

} // namespace km
