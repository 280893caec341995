// SPDX-License-Identifier: MIT
#include "terminal/terminal_rename_plan.h"

#include "batch/batch_words.h"
#include "batch/name_rules.h"
#include "files/file_names.h"
#include "files/file_system.h"
#include "listing/arranged_rows.h"
#include "listing/listing_choices.h"
#include "listing/proposed_names.h"
#include "listing/rename_question.h"
#include "naming/pattern_words.h"
#include "photo_dates/date_taken_cache.h"
#include "photo_dates/folder_dates.h"
#include "plan/companions.h"
#include "plan/conflicts.h"
#include "scan/folder_scan.h"
#include "settings/settings_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace km {

namespace {

class TerminalPlanWords {
    Q_DECLARE_TR_FUNCTIONS(TerminalPlanWords)
};

// The window's fields as the user left them, or as designed when they were never kept.
Settings storedSettings(const QString& path) {
    if (!path.isEmpty() && fs::isListableFile(path))
        return readSettingsFile(path);
    Settings designed;
    designed.prefix = QStringLiteral("foto_");
    designed.startNumber = QStringLiteral("1");
    designed.digits = QStringLiteral("3");
    designed.jpegState = 1;
    return designed;
}

// The user's menu choices with those given on the command line; an error text when one given
// cannot be used.
QString chooseOptions(const TerminalRename& request, Options& options) {
    if (request.preset) {
        const auto found =
            std::find_if(options.presets.begin(), options.presets.end(),
                         [&](const auto& each) { return each.first == *request.preset; });
        if (found == options.presets.end())
            return TerminalPlanWords::tr("--preset: there is no preset named \"%1\"")
                .arg(*request.preset);
        options.pattern = found->second;
    }
    if (request.pattern) {
        const NamePattern::Reading read = NamePattern::read(*request.pattern);
        if (!read.pattern)
            return TerminalPlanWords::tr("--pattern: %1").arg(patternErrorText(*read.error));
        options.pattern = *request.pattern;
    }
    if (request.order)
        options.order = *request.order;
    if (request.numbers)
        options.numbers = *request.numbers;
    if (request.extensionCase)
        options.extensionCase = *request.extensionCase;
    if (request.companions)
        options.companions = true;
    if (request.types) {
        options.moreTypes = request.types->moreTypes;
        options.videos = request.types->videos;
    }
    return {};
}

// The listed files in the order in force, with their facts read where the options need them.
ArrangedRows listedRows(const QString& folder, const QStringList& found, const Options& options) {
    if (!options.readsPhotoFacts()) {
        ArrangedRows rows;
        rows.names = found;
        return rows;
    }
    DateTakenCache cache;
    std::optional<std::vector<PhotoFacts>> facts = readFolderFacts(
        folder, found, cache, [](int, int) { return true; }, std::chrono::milliseconds(50),
        factsWantedFor(options));
    return arrangeRows(folder, found,
                       facts ? std::move(*facts) : std::vector<PhotoFacts>(found.size()), options);
}

// The row of a name as the list shows it (a byte that is not UTF-8 as \xHH, either case) or as
// it is; none when no row has it.
std::optional<int> rowNamed(const QStringList& names, QString given) {
    static const QRegularExpression byte(QStringLiteral("\\\\x([0-9a-fA-F]{2})"));
    for (QRegularExpressionMatchIterator each = byte.globalMatch(given); each.hasNext();) {
        const QRegularExpressionMatch match = each.next();
        given.replace(match.capturedStart(1), 2, match.captured(1).toUpper());
    }
    for (int row = 0; row < static_cast<int>(names.size()); ++row)
        if (names[row] == given || fs::readableName(names[row]) == given)
            return row;
    return std::nullopt;
}

// The rows with their names, kept names and refusals.
void describeRows(TerminalRenamePlan& plan, const ArrangedRows& rows, const PatternNames& named,
                  const CompanionPlan& companions) {
    const QStringList& newNames = named.proposal.names;
    const Conflicts conflicts = findConflictsWithCompanions(rows.names, newNames, companions);
    const QSet<int> red(conflicts.conflictingRows.begin(), conflicts.conflictingRows.end());
    for (int row = 0; row < static_cast<int>(rows.names.size()); ++row) {
        TerminalRow shown{fs::readableName(rows.names[row]), newNames.value(row), {}, {}};
        const auto at = static_cast<std::size_t>(row);
        if (shown.newName.isEmpty() && at < named.missing.size() &&
            named.missing[at] != MissingValue::None)
            shown.keptBecause = missingValueText(named.missing[at]);
        if (const NameFault fault =
                shown.newName.isEmpty() ? NameFault::None : newNameFault(shown.newName);
            fault != NameFault::None)
            shown.refusal = nameFaultText(fault, shown.newName);
        else if (red.contains(row))
            shown.refusal = clashText(clashReasonOf(row, rows.names, newNames, companions));
        plan.anyRowRefused = plan.anyRowRefused || !shown.refusal.isEmpty();
        plan.rows.push_back(std::move(shown));
    }
}

} // namespace

TerminalRenamePlan planTerminalRename(const TerminalRename& request, const TerminalPlaces& places) {
    TerminalRenamePlan plan;
    const QFileInfo given(request.folder);
    if (!given.isDir()) {
        plan.problem = TerminalPlanWords::tr("\"%1\" cannot be listed: there is no such folder.")
                           .arg(request.folder);
        return plan;
    }
    plan.folder = fs::withTrailingSeparator(QDir::cleanPath(given.absoluteFilePath()));
    const Settings settings = storedSettings(places.settingsFile);
    Options options =
        places.optionsFile.isEmpty() ? Options{} : readOptionsFile(places.optionsFile);
    plan.usage = chooseOptions(request, options);
    if (!plan.usage.isEmpty())
        return plan;

    const FolderScan scan = scanFolder(
        plan.folder,
        scanChoiceFor(request.types ? request.types->jpeg : settings.jpegState == 1,
                      request.types ? request.types->bitmap : settings.bitmapState == 1,
                      request.types ? request.types->gif : settings.gifState == 1, options));
    const ArrangedRows rows = listedRows(plan.folder, scan.photos, options);
    QSet<int> selected;
    for (const QString& name : request.selected) {
        const std::optional<int> row = rowNamed(rows.names, name);
        if (!row) {
            plan.usage = TerminalPlanWords::tr("--selected: \"%1\" is not listed in %2")
                             .arg(name, fs::readableName(plan.folder));
            return plan;
        }
        selected.insert(*row);
    }
    const NamingFields fields{request.prefix.value_or(settings.prefix),
                              request.start.value_or(settings.startNumber),
                              request.digits.value_or(settings.digits)};
    const auto isSelected = [&selected](int row0) {
        return selected.contains(row0);
    };
    const PatternNames named = proposeNames(fields, selected.isEmpty(), rows.names, isSelected,
                                            options, plan.folder, rows.times, rows.cameras);
    const CompanionPlan companions = planCompanions(
        rows.names, named.proposal.names, scan.companionCandidates, options.extensionCase);
    describeRows(plan, rows, named, companions);
    if (const BatchRefusal refusal = companionRefusal(companions, rows.names); refusal.refused())
        plan.batchRefusal = refusalText(refusal);
    else if (!named.proposal.renameEnabled && named.proposal.numberedCount > 0)
        plan.batchRefusal =
            TerminalPlanWords::tr("%1 photos cannot be numbered with %2 digits; Rename! is off "
                                  "for them in the window too.")
                .arg(named.proposal.numberedCount)
                .arg(fields.digits);
    plan.batch =
        renameOfRows(plan.folder, rows.names, named.proposal.names, companions, scan.inodes);
    plan.companions = companions.pairs.size();
    const GuessedDates guessed = guessedDates(rows.sources, named.proposal.names);
    plan.counts =
        renameCounts(plan.companions, named.proposal.leftOutCount,
                     options.namePattern().has_value(), guessed.fromNames, guessed.fromFileTimes);
    return plan;
}

} // namespace km
