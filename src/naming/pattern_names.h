// SPDX-License-Identifier: MIT
#pragma once

#include "files/file_names.h"
#include "naming/date_pattern.h"
#include "naming/name_pattern.h"
#include "naming/naming.h"
#include "numbers/calendar_time.h"
#include "numbers/camera_tags.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace km {

// How names are made from a pattern.
struct PatternNaming {
    NamePattern pattern;
    DateNumbering numbering = DateNumbering::Run;
    // The listed folder's own name, for {folder}.
    QString folderName;
    fs::ExtensionCase extensionCase = fs::ExtensionCase::Keep;
};

// What the listed photos' metadata says, row by row; rows past the end have nothing.
struct RowMetadata {
    const RowTimes& times;
    const RowCameras& cameras;
};

struct PatternNames {
    NewNames proposal;
    // Of each row, the value it lacks (so it keeps its name); empty when no row lacks one.
    std::vector<MissingValue> missing;
};

// The new names from the pattern for every numbered row (renameAll, else where isSelected says),
// each with the extension of its file in the case chosen. A row that lacks a value the pattern
// shows gets no name, is counted in proposal.leftOutCount and keeps its name. The rows are numbered
// in their order: on through the list (Run), from the start again for each different text the
// pattern gives around the number (Restart), or only where rows share that text (Shared: a row
// whose text is its own gets no number, nor the separators beside it).
PatternNames computePatternNames(const NamingFields& fields, bool renameAll,
                                 const QStringList& originalNames,
                                 const std::function<bool(int row0)>& isSelected,
                                 const PatternNaming& naming, const RowMetadata& metadata);

// The example line with a pattern: the name of the first listed photo that gets one, numbered
// from the rounded start, or of a made photo when none is listed; "(Example: (no lens))" when
// every photo lacks a value.
QString patternExampleLine(const NamingFields& fields, const PatternNaming& naming,
                           const QStringList& originalNames, const RowMetadata& metadata);

} // namespace km
