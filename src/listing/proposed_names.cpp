// SPDX-License-Identifier: MIT
#include "listing/proposed_names.h"

#include "files/file_system.h"
#include "naming/dated_names.h"

namespace km {

PatternNames proposeNames(const NamingFields& fields, bool renameAll, const QStringList& names,
                          const std::function<bool(int row0)>& isSelected, const Options& options,
                          const QString& folder, const RowTimes& times, const RowCameras& cameras) {
    if (const std::optional<NamePattern> pattern = options.namePattern())
        return computePatternNames(
            fields, renameAll, names, isSelected,
            {*pattern, options.numbers, fs::folderNameOf(folder), options.extensionCase},
            {times, cameras});
    NewNames proposal = options.date == DateInNames::None
                            ? computeNewNames(fields, renameAll, names, isSelected)
                            : computeDatedNames(fields, renameAll, names, isSelected,
                                                {options.datePattern(), options.numbers}, times);
    setExtensionsCase(proposal.names, options.extensionCase);
    return {std::move(proposal), {}};
}

} // namespace km
