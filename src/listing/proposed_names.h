// SPDX-License-Identifier: MIT
#pragma once

#include "naming/naming.h"
#include "naming/pattern_names.h"
#include "numbers/calendar_time.h"
#include "numbers/camera_tags.h"
#include "settings/options_file.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace km {

// The new names of the listed rows as the options give them: the designed names, with the date
// taken, or from the name pattern, their extensions in the case chosen. `folder` is the listed
// folder (for {folder}); a row is named when renameAll is set, else when isSelected says so.
PatternNames proposeNames(const NamingFields& fields, bool renameAll, const QStringList& names,
                          const std::function<bool(int row0)>& isSelected, const Options& options,
                          const QString& folder, const RowTimes& times, const RowCameras& cameras);

} // namespace km
