// SPDX-License-Identifier: MIT
// How the window lists the folder: the scan, the order taken, the new names and their conflicts.
#include "file_types/file_types.h"
#include "files/file_names.h"
#include "listing/arranged_rows.h"
#include "listing/listing_choices.h"
#include "listing/proposed_names.h"
#include "main_window/main_window.h"
#include "main_window/row_tooltip.h"
#include "main_window/window_words.h"
#include "naming/dated_names.h"
#include "naming/naming.h"
#include "naming/pattern_words.h"
#include "photo_dates/camera_clocks.h"
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"
#include "plan/conflicts.h"
#include "scan/folder_scan.h"
#include "widgets/check_box.h"
#include "widgets/pending_events.h"
#include "xpbutton/xpbutton.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>
#include <numeric>

namespace km {

void MainWindow::FillFileList() {
    CurrentFolder = km::fs::withTrailingSeparator(CurrentFolder);
    const QString& folder = CurrentFolder;
    // The photos selected in this folder's list stay selected when it is listed again (after a
    // new prefix, a menu choice), so that "Rename Selected Only" renames what the user chose.
    if (folder != m_shownFolder)
        m_keptSelection.clear();
    else if (m_form.lvFiles->photos().rowCount() > 0)
        m_keptSelection = selectedNames();
    // Taken before the folder is read: a change while it is read lists it once more.
    m_listedStamp = m_options.followFolder ? km::fs::folderStamp(folder) : std::nullopt;
    FoundCount = 0;
    FoundFiles.clear();
    m_rows = {};
    km::FolderScan scan = km::scanFolder(
        folder, km::scanChoiceFor(m_form.cbJPG->value() == 1, m_form.cbBMP->value() == 1,
                                  m_form.cbGIF->value() == 1, m_options));
    FoundFiles = std::move(scan.photos);
    m_listedFiles = std::move(scan.inodes);
    m_companionCandidates = std::move(scan.companionCandidates);
    m_unlistedPhotos = std::move(scan.unlistedPhotos);
    m_companionsStale = true;
    if (!m_options.readsPhotoFacts())
        m_dates.forget();
    else if (!readListedFacts())
        return;
    showFoundFiles();
}

// The end of the scan: the found files become the list's rows.
void MainWindow::showFoundFiles() {
    FoundCount = static_cast<qint32>(FoundFiles.size());
    m_form.lvFiles->photos().setPhotos(FoundFiles, iconKeyFor);
    m_form.lvFiles->setEmptyText(FoundCount == 0 ? m_unlistedPhotos : QString());
    if (FoundCount >= 1 && !selectKeptNames())
        m_form.lvFiles->setSelected(1, true);
    m_keptSelection.clear();
    m_shownFolder = CurrentFolder;
    UpdateNewNames();
    // The example shows the name of the first photo listed.
    if (m_options.dateInForce() != km::DateInNames::None || m_options.namePattern())
        ShowExample();
    ShowPreview(0);
}

QSet<QString> MainWindow::selectedNames() const {
    QSet<QString> names;
    const std::vector<bool> selected = m_form.lvFiles->selectedFlags();
    const QStringList& rows = m_form.lvFiles->photos().names();
    for (qsizetype row = 0; row < rows.size() && row < qsizetype(selected.size()); ++row)
        if (selected[size_t(row)])
            names.insert(rows[row]);
    return names;
}

// Selects the rows of the names kept from the list before; false when none is listed now.
bool MainWindow::selectKeptNames() {
    bool any = false;
    for (int row = 1; row <= FoundCount && !m_keptSelection.isEmpty(); ++row) {
        if (m_keptSelection.contains(m_form.lvFiles->text(row))) {
            m_form.lvFiles->setSelected(row, true);
            any = true;
        }
    }
    return any;
}

// Reads the found files' dates taken and cameras, and puts the files in the order taken where
// that is the order in force. What the cache holds, and what is read within the first moments,
// comes at once; false when the rest is read in the background, with the list empty, its header
// showing the progress and Rename! off, until datesRead() fills the list.
bool MainWindow::readListedFacts() {
    std::optional<km::DateReading::Dates> facts =
        m_dates.read(CurrentFolder, FoundFiles, km::factsWantedFor(m_options));
    if (!facts) {
        showDatesBeingRead();
        return false;
    }
    takeListedFacts(std::move(*facts));
    return true;
}

void MainWindow::showDatesBeingRead() {
    m_form.lvFiles->photos().setPhotos({}, iconKeyFor);
    m_form.lvFiles->setEmptyText({});
    m_form.bRename->setEnabled(false);
    showDateProgress(m_dates.progressValue(), m_dates.progressMaximum());
}

// The background reading ended: its dates order the list, unless it was stopped or the folder is
// to be listed again. Like any command, this waits while another one runs (a question may be
// open).
void MainWindow::datesRead() {
    if (m_unloaded)
        return;
    switch (m_dates.end()) {
    case km::DateReading::End::Nothing:
        return;
    case km::DateReading::End::ListAgain:
        runCommand(&MainWindow::FillFileList);
        return;
    case km::DateReading::End::Dates:
        runCommand(&MainWindow::showDatesRead);
        return;
    }
}

void MainWindow::showDatesRead() {
    if (std::optional<km::DateReading::Dates> facts = m_dates.currentDates()) {
        takeListedFacts(std::move(*facts));
        showFoundFiles();
    }
}

void MainWindow::takeListedFacts(km::DateReading::Dates facts) {
    showOrderInHeader();
    m_rows = km::arrangeRows(CurrentFolder, FoundFiles, std::move(facts), m_options);
    FoundFiles = std::move(m_rows.names);
    m_rows.names.clear();
}

void MainWindow::showDateProgress(int done, int total) {
    const int percent = total > 0 ? static_cast<int>(qint64(done) * 100 / total) : 0;
    m_form.lvFiles->photos().setColumnHeader(0, WindowWords::readingDates(percent));
}

// A row's tooltip: whether its photo has no date taken or lacks a value of the name pattern, and
// the files renamed with it.
QString MainWindow::rowToolTip(int row) const {
    km::RowFacts facts;
    facts.name = m_form.lvFiles->photos().names().value(row);
    const auto at = static_cast<std::size_t>(row);
    const bool patterned = m_options.namePattern().has_value();
    const km::MissingValue missing = patterned && row >= 0 && at < m_rowMissing.size()
                                         ? m_rowMissing[at]
                                         : km::MissingValue::None;
    facts.leftOutTip = km::missingValueTip(missing);
    // A photo that keeps its name for want of a date says so once.
    facts.undated = m_options.orderInForce() == km::PhotoOrder::Taken && row >= 0 &&
                    at < m_rows.times.size() && !m_rows.times[at] &&
                    missing != km::MissingValue::DateTaken;
    facts.datesInNames = !patterned && m_options.date != km::DateInNames::None;
    facts.companions = m_companions.pairsOf(row);
    if (row >= 0 && at < m_rows.recorded.size())
        facts.recorded = m_rows.recorded[at].get();
    if (row >= 0 && at < m_rows.sources.size())
        facts.source = m_rows.sources[at];
    if (row >= 0 && at < m_rows.clockShifts.size() && at < m_rows.times.size() &&
        m_rows.times[at]) {
        facts.clockShift = m_rows.clockShifts[at];
        facts.taken = m_rows.times[at];
    }
    const km::PhotoListModel& photos = m_form.lvFiles->photos();
    const std::vector<int> red = photos.conflictRows();
    if (!std::binary_search(red.begin(), red.end(), row))
        return km::rowToolTip(facts);
    facts.clash =
        km::clashReasonOf(row, photos.names().mid(0, FoundCount), photos.newNames(), m_companions);
    facts.newName = photos.newNames().value(row);
    if (at < m_rowNameFaults.size())
        facts.nameFault = m_rowNameFaults[at];
    if (at < m_numberCheck.rows.size()) {
        facts.numberTrouble = m_numberCheck.rows[at];
        facts.numbers = &m_numberCheck;
    }
    return km::rowToolTip(facts);
}

void MainWindow::UpdateNewNames() {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    const bool renameAll = m_form.obRenameAll->isChecked();
    const std::vector<bool> selected =
        renameAll ? std::vector<bool>() : m_form.lvFiles->selectedFlags();
    const km::NamingFields fields{m_form.tbPre->text(), m_form.tbStart->text(),
                                  m_form.tbLen->text()};
    km::PatternNames proposed = proposeNewNames(fields, renameAll, selected);
    km::NewNames& proposal = proposed.proposal;
    m_leftOutCount = proposal.leftOutCount;
    m_rowMissing = std::move(proposed.missing);
    // The companions follow the new names; a click that changes none keeps them.
    if (photos.setNewNames(std::move(proposal.names)) || m_companionsStale) {
        m_companions = km::planCompanions(photos.names().mid(0, FoundCount), photos.newNames(),
                                          m_companionCandidates, m_options.extensionCase);
        m_companionsStale = false;
    }
    // While dates are read the list is not complete yet.
    const bool namesStorable = checkNamesAsTyped(fields);
    m_form.bRename->setEnabled(proposal.renameEnabled && namesStorable && !m_dates.isReading());
    showLeftOutRows();
    km::deliverPendingEvents();
    CheckDuplicates();
}

km::PatternNames MainWindow::proposeNewNames(const km::NamingFields& fields, bool renameAll,
                                             const std::vector<bool>& selected) const {
    const auto isSelected = [&selected](int row0) {
        return selected[static_cast<size_t>(row0)];
    };
    return km::proposeNames(fields, renameAll, m_form.lvFiles->photos().names().mid(0, FoundCount),
                            isSelected, m_options, CurrentFolder, m_rows.times, m_rows.cameras);
}

km::PatternNaming MainWindow::patternNaming(const km::NamePattern& pattern) const {
    return {pattern, m_options.numbers, km::fs::folderNameOf(CurrentFolder),
            m_options.extensionCase};
}

// The photos that keep their names for want of a date ("(no date taken)") or of a value their
// name pattern shows ("(no lens)") read so as their new names.
void MainWindow::showLeftOutRows() {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    if (m_options.namePattern()) {
        QStringList texts;
        for (int k = 1; k <= static_cast<int>(km::MissingValue::OriginalNumber); ++k)
            texts << km::missingValueText(static_cast<km::MissingValue>(k));
        std::vector<quint8> reasons(m_rowMissing.size());
        std::transform(m_rowMissing.begin(), m_rowMissing.end(), reasons.begin(),
                       [](km::MissingValue missing) { return static_cast<quint8>(missing); });
        photos.setLeftOutRows(std::move(reasons), texts);
        return;
    }
    photos.setLeftOutRows(m_options.date == km::DateInNames::None ? std::vector<bool>()
                                                                  : km::undatedRows(m_rows.times),
                          WindowWords::noDateTaken());
}

void MainWindow::ShowExample() {
    if (m_noteShown) {
        m_noteShown = false;
        m_form.followPalette();
    }
    const km::NamingFields fields{m_form.tbPre->text(), m_form.tbStart->text(),
                                  m_form.tbLen->text()};
    if (m_options.patternUnreadable()) {
        m_form.lblExample->setText(km::unreadablePatternText());
        return;
    }
    if (const std::optional<km::NamePattern> pattern = m_options.namePattern()) {
        m_form.lblExample->setText(km::patternExampleLine(
            fields, patternNaming(*pattern), m_form.lvFiles->photos().names().mid(0, FoundCount),
            {m_rows.times, m_rows.cameras}));
        return;
    }
    if (m_options.date == km::DateInNames::None) {
        m_form.lblExample->setText(km::exampleLine(fields));
        return;
    }
    m_form.lblExample->setText(
        km::datedExampleLine(fields, {m_options.datePattern(), m_options.numbers}, m_rows.times));
}

bool MainWindow::CheckDuplicates() {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    const km::Conflicts conflicts =
        km::findConflictsWithCompanions(photos.names(), photos.newNames(), m_companions);
    if (m_checkedRows.empty()) {
        photos.setConflictRows(conflicts.conflictingRows);
    } else {
        std::vector<int> red = conflicts.conflictingRows;
        red.insert(red.end(), m_checkedRows.begin(), m_checkedRows.end());
        std::sort(red.begin(), red.end());
        red.erase(std::unique(red.begin(), red.end()), red.end());
        photos.setConflictRows(red);
    }
    return conflicts.found;
}

} // namespace km
