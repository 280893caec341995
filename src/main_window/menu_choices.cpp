// SPDX-License-Identifier: MIT
// The photo list's menu: each choice is kept at once and applied by listing the folder again.
#include "dialogs/name_pattern_dialog.h"
#include "files/file_names.h"
#include "listing/listing_choices.h"
#include "main_window/camera_clock_rows.h"
#include "main_window/main_window.h"
#include "main_window/window_words.h"
#include "naming/pattern_names.h"
#include "naming/pattern_words.h"
#include "photo_dates/camera_clocks.h"
#include "photo_dates/folder_dates.h"
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"
#include "widgets/busy_cursor.h"

#include <QLineEdit>

namespace km {

void MainWindow::chooseOrder(km::PhotoOrder order) {
    m_options.order = order;
    saveOptions();
    showOrderInHeader();
    runCommand(&MainWindow::FillFileList);
}

void MainWindow::chooseCompanions(bool on) {
    m_options.companions = on;
    saveOptions();
    runCommand(&MainWindow::FillFileList);
}

// A date in or out of the names may change the order and the dates to read: the folder is
// listed again.
void MainWindow::chooseDate(km::DateInNames date) {
    m_options.date = date;
    m_options.pattern.clear();
    saveOptions();
    showOrderInHeader();
    ShowExample();
    runCommand(&MainWindow::FillFileList);
}

void MainWindow::chooseNumbers(km::DateNumbering numbers) {
    m_options.numbers = numbers;
    saveOptions();
    ShowExample();
    runCommand(&MainWindow::UpdateNewNames);
}

// A pattern (none for the designed names) may change the order and what is read: the folder is
// listed again.
void MainWindow::choosePattern(const QString& pattern) {
    m_options.pattern = pattern;
    saveOptions();
    showOrderInHeader();
    ShowExample();
    runCommand(&MainWindow::FillFileList);
}

void MainWindow::chooseExtensionCase(km::fs::ExtensionCase extensionCase) {
    m_options.extensionCase = extensionCase;
    saveOptions();
    ShowExample();
    m_companionsStale = true;
    runCommand(&MainWindow::UpdateNewNames);
}

// A choice of what the list holds or how it is dated: the folder is listed again.
void MainWindow::chooseListing(bool km::Options::*choice, bool on) {
    m_options.*choice = on;
    saveOptions();
    runCommand(&MainWindow::FillFileList);
}

// The listed files' cameras, their clocks' own times and the offsets kept; the offsets chosen
// apply to the order taken and the dated names at once, in every folder.
void MainWindow::showCameraClocks() {
    std::vector<km::PhotoFacts> facts = listedCameraFacts();
    if (facts.size() != static_cast<size_t>(FoundFiles.size())) {
        BusyCursor busy;
        facts = km::readFewPhotoFacts(CurrentFolder, FoundFiles);
    }
    auto* window =
        new km::CameraClocksDialog(km::cameraClockRows(FoundFiles, facts, m_options.clocks), this);
    connect(window, &km::CameraClocksDialog::offsetsChosen, this,
            [this](const std::vector<std::pair<QString, qint32>>& chosen) {
                m_options.clocks = km::withOffsetsChosen(m_options.clocks, chosen);
                saveOptions();
                runCommand(&MainWindow::FillFileList);
            });
    window->open();
}

// The rows' cameras and their clocks' own times, where the list read them with its dates;
// nothing otherwise.
std::vector<km::PhotoFacts> MainWindow::listedCameraFacts() const {
    const auto rows = static_cast<size_t>(FoundFiles.size());
    const bool camerasRead = km::factsWantedFor(m_options) == km::FactsWanted::DatesAndCameras;
    if (!camerasRead || m_rows.times.size() != rows || m_rows.cameras.size() != rows)
        return {};
    std::vector<km::PhotoFacts> facts(rows);
    for (size_t row = 0; row < rows; ++row) {
        const bool guessed =
            row < m_rows.sources.size() && m_rows.sources[row] != km::DateSource::Metadata;
        if (m_rows.times[row] && !guessed) {
            const qint32 shift = row < m_rows.clockShifts.size() ? m_rows.clockShifts[row] : 0;
            if (const auto byClock = km::shiftedTime(*m_rows.times[row], -shift))
                facts[row].taken = km::DateTaken{*byClock, {}};
        }
        facts[row].camera = std::make_shared<const km::CameraTags>(m_rows.cameras[row]);
    }
    return facts;
}

// The window shows what the pattern typed gives the first listed photos, and only reports the
// choice: the pattern, and the presets saved or deleted, are kept as any menu choice.
void MainWindow::showNamePatternDialog() {
    std::vector<km::PatternPreset> presets{
        {km::datePresetName(), km::kDatePreset.toString()},
        {km::dateTimePresetName(), km::kDateTimePreset.toString()}};
    for (const auto& [name, pattern] : m_options.presets)
        presets.push_back({name, pattern, true});
    std::vector<std::pair<QString, QString>> fields;
    for (const auto& [token, field] : km::patternFieldNames())
        fields.emplace_back(km::patternFieldLabel(field), u'{' + token.toString() + u'}');
    QString start = m_options.pattern;
    if (start.isEmpty())
        start = m_options.date == km::DateInNames::Date       ? km::kDatePreset.toString()
                : m_options.date == km::DateInNames::DateTime ? km::kDateTimePreset.toString()
                                                              : QStringLiteral("{prefix}{number}");
    readTrialPhotos();
    auto* window = new km::NamePatternDialog(
        start, std::move(presets), fields,
        [this](const QString& pattern) { return tryPattern(pattern); }, this);
    connect(window, &km::NamePatternDialog::patternChosen, this, &MainWindow::choosePattern);
    connect(window, &km::NamePatternDialog::presetsChanged, this,
            [this](const std::vector<std::pair<QString, QString>>& saved) {
                m_options.presets = saved;
                saveOptions();
            });
    window->open();
}

// The first listed photos with their metadata: the list's, where it was read for the order or
// the names; else read now, as the window is opened, for these few alone.
void MainWindow::readTrialPhotos() {
    constexpr int kTrialCount = 5;
    TrialPhotos& trial = m_trialPhotos;
    trial.names = m_form.lvFiles->photos().names().mid(0, std::min(FoundCount, kTrialCount));
    const auto count = static_cast<std::size_t>(trial.names.size());
    if (m_rows.times.size() >= count && m_rows.cameras.size() >= count) {
        trial.times.assign(m_rows.times.begin(), m_rows.times.begin() + trial.names.size());
        trial.cameras.clear();
        for (std::size_t row = 0; row < count; ++row)
            trial.cameras.push_back(m_rows.cameras[row]);
        return;
    }
    trial.times.clear();
    trial.cameras.clear();
    for (const km::PhotoFacts& facts : km::readFewPhotoFacts(CurrentFolder, trial.names)) {
        trial.times.push_back(facts.taken ? std::optional(facts.taken->time) : std::nullopt);
        trial.cameras.push_back(facts.cameraTags());
    }
}

// The names a pattern gives the first listed photos.
km::PatternTrial MainWindow::tryPattern(const QString& text) const {
    km::PatternTrial trial;
    if (text.isEmpty())
        return trial;
    const km::NamePattern::Reading reading = km::NamePattern::read(text);
    if (!reading.pattern) {
        trial.error = km::patternErrorText(*reading.error);
        return trial;
    }
    const QStringList& names = m_trialPhotos.names;
    const km::NamingFields fields{m_form.tbPre->text(), m_form.tbStart->text(),
                                  m_form.tbLen->text()};
    const km::PatternNames proposed =
        km::computePatternNames(fields, true, names, {}, patternNaming(*reading.pattern),
                                {m_trialPhotos.times, m_trialPhotos.cameras});
    for (int row = 0; row < names.size(); ++row) {
        const auto at = static_cast<std::size_t>(row);
        const bool missing =
            at < proposed.missing.size() && proposed.missing[at] != km::MissingValue::None;
        trial.rows.emplace_back(km::fs::readableName(names[row]),
                                missing ? km::missingValueText(proposed.missing[at])
                                        : proposed.proposal.names.value(row));
    }
    return trial;
}

void MainWindow::saveOptions() const {
    // A folder that cannot be written only means the choice is not kept for the next start.
    if (!m_optionsFile.isEmpty())
        km::writeOptionsFile(m_optionsFile, m_options);
}

void MainWindow::showOrderInHeader() {
    m_form.lvFiles->photos().setColumnHeader(
        0, WindowWords::originalNameHeader(m_options.orderInForce() == PhotoOrder::Taken));
}

} // namespace km
