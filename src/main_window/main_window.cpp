// SPDX-License-Identifier: MIT
#include "main_window/main_window.h"

#include "dialogs/about_dialog.h"
#include "dialogs/earlier_renames_dialog.h"
#include "dialogs/message_box.h"
#include "file_types/file_types.h"
#include "files/file_names.h"
#include "files/file_system.h"
#include "history/earlier_undo.h"
#include "main_window/earlier_rename_rows.h"
#include "main_window/photo_list_menu.h"
#include "main_window/row_tooltip.h"
#include "naming/dated_names.h"
#include "naming/naming.h"
#include "numbers/rounding.h"
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"
#include "plan/conflicts.h"
#include "preview/preview_drawing.h"
#include "scan/date_reading.h"
#include "scan/folder_scan.h"
#include "widgets/busy_cursor.h"
#include "widgets/check_box.h"
#include "widgets/folder_tree.h"
#include "widgets/pending_events.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace km {

namespace {

using km::ShowMessageBox;

const QString kEarlierRenamesTitle = QStringLiteral("Earlier Renames");

} // namespace

MainWindow::MainWindow(const QString& settingsFolder, const QString& folderTreeStart,
                       const QString& journalFolder, const QString& optionsFolder, QWidget* parent)
    : QWidget(parent), m_form(*this, folderTreeStart), Timer1(new QTimer(this)),
      m_settingsFolder(settingsFolder), m_renames(journalFolder, m_fileOps, m_recoveryQuestions) {
    if (!optionsFolder.isEmpty())
        m_optionsFile = optionsFolder + QLatin1Char('/') + QLatin1String(km::kOptionsFileName);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    QIcon icon(QStringLiteral(":/main/kestrelmark.png"));
    icon.addFile(QStringLiteral(":/main/kestrelmark16.png"));
    setWindowIcon(icon);
    for (const char* key : {"ICON_BMP", "ICON_GIF", "ICON_JPG"}) {
        const QString name = QString::fromLatin1(key);
        ilImgIcons.add(name, QPixmap(QStringLiteral(":/main/%1.png").arg(name.toLower())));
    }
    m_form.lvFiles->bindImageList([this](const QString& key) { return ilImgIcons.icon(key); });
    m_form.lvFiles->photos().setToolTipProvider([this](int row) { return rowToolTip(row); });
    auto* menu = new km::PhotoListMenu(*m_form.lvFiles, [this] { return m_options; });
    connect(menu, &km::PhotoListMenu::orderChosen, this, &MainWindow::chooseOrder);
    connect(menu, &km::PhotoListMenu::companionsChosen, this, &MainWindow::chooseCompanions);
    connect(menu, &km::PhotoListMenu::moreTypesChosen, this, &MainWindow::chooseMoreTypes);
    connect(menu, &km::PhotoListMenu::dateChosen, this, &MainWindow::chooseDate);
    connect(menu, &km::PhotoListMenu::numbersChosen, this, &MainWindow::chooseNumbers);
    connect(menu, &km::PhotoListMenu::earlierRenamesChosen, this, &MainWindow::showEarlierRenames);
    connectHandlers();
}

MainWindow::~MainWindow() = default;

QString MainWindow::FolderTreeStartDefault() {
    return FolderTree::defaultStartFolder();
}

// Commands that rescan or rename run one at a time (see runCommand); the others may run inside
// a command's event deliveries, as the preview is designed to be interrupted.
void MainWindow::connectHandlers() {
    connect(m_form.FolderTreeview1, &FolderTree::Click, this,
            [this] { runCommand(&MainWindow::FolderTreeview1_Click); });
    connect(m_form.cbJPG, &CheckBox::Click, this, [this] { runCommand(&MainWindow::cbJPG_Click); });
    connect(m_form.cbBMP, &CheckBox::Click, this, [this] { runCommand(&MainWindow::cbBMP_Click); });
    connect(m_form.cbGIF, &CheckBox::Click, this, [this] { runCommand(&MainWindow::cbGIF_Click); });
    connect(m_form.cbPreview, &CheckBox::Click, this, &MainWindow::cbPreview_Click);
    connect(m_form.obRenameAll, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            obRenameAll_Click();
    });
    connect(m_form.obRenameSelected, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            obRenameSelected_Click();
    });
    connect(m_form.lvFiles, &ListView::Click, this, &MainWindow::lvFiles_Click);
    connect(m_form.tbPre, &QLineEdit::textChanged, this, &MainWindow::tbPre_Change);
    connect(m_form.tbStart, &QLineEdit::textChanged, this, &MainWindow::tbStart_Change);
    connect(m_form.tbLen, &QLineEdit::textChanged, this, &MainWindow::tbLen_Change);
    connect(m_form.bRename, &XPButton::Click, this,
            [this] { runCommand(&MainWindow::bRename_Click); });
    connect(m_form.bUndo, &XPButton::Click, this, [this] { runCommand(&MainWindow::bUndo_Click); });
    connect(m_form.bExit, &XPButton::Click, this, &MainWindow::bExit_Click);
    connect(m_form.bAbout, &XPButton::Click, this, &MainWindow::bAbout_Click);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    connect(&m_dates, &km::DateReading::progress, this, &MainWindow::showDateProgress);
    connect(&m_dates, &km::DateReading::ended, this, &MainWindow::datesRead);
}

// Runs a command now, or, when it arrives during another command's event deliveries, once that
// one has ended: commands never interleave. A command already waiting is not queued twice, and
// none runs after the window has been unloaded.
void MainWindow::runCommand(Command command) {
    m_commands.runOrQueue(
        command, [this](Command next) { (this->*next)(); }, [this] { return m_unloaded; });
}

// Offers again the interrupted batches whose questions were left unanswered. True when the
// command may go on: nothing is left unanswered and no file was moved under the list.
bool MainWindow::settleInterruptedBatches() {
    const km::RenameKeeper::Settled settled = m_renames.settle();
    if (settled.filesMoved)
        FillFileList();
    return settled.mayGoOn;
}

void MainWindow::Form_Load() {
    Loading = true;
    CurrentFolder = m_form.FolderTreeview1->selectedPath();
    SettingsFile = m_settingsFolder + QLatin1Char('/') + QLatin1String(km::kSettingsFileName);
    m_form.bUndo->setEnabled(false);
    Preview.count = 1;
    Preview.loaded = std::max(Preview.loaded, 1);
    m_renames.recoverAtStart();
    if (FileExists(SettingsFile))
        applySettings(km::readSettingsFile(SettingsFile));
    applyStartFolder();
    if (!m_optionsFile.isEmpty())
        m_options = km::readOptionsFile(m_optionsFile);
    Loading = false;
    const double columnsWidth = km::roundHalfEven(m_form.lvFiles->widthTwips() - 330);
    m_form.lvFiles->addColumn(QStringLiteral("ORGNAME"), QStringLiteral("Original Name"),
                              columnsWidth / 2);
    m_form.lvFiles->addColumn(QStringLiteral("NEWNAME"), QStringLiteral("New Name"),
                              columnsWidth / 2);
    showOrderInHeader();
    // From here start-up is a command too: what the user clicks during its scan waits for it.
    runCommand(&MainWindow::showAndScan);
    centreOnceFramed();
}

void MainWindow::showAndScan() {
    centreOnScreen();
    m_centreWhenFramed = true;
    show();
    // The first control of the tab order starts with the focus, also once a window manager
    // activates the window.
    m_form.FolderTreeview1->setFocus(Qt::OtherFocusReason);
    ShowExample();
    if (!CurrentFolder.isEmpty())
        FillFileList();
    RescanDueTick = 0;
    Preview.dueTick = 0;
    TickCount = 0;
    Timer1->setInterval(100);
    Timer1->start();
}

// Centres the whole window, its frame included: the position of a window is its frame's.
void MainWindow::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), frameGeometry().size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    centreOnceFramed();
}

// A window manager adds its frame only after the window is shown: centre the window again then.
// Not while start-up still scans, though: a click it delivers meanwhile must find its button
// where the pointer pressed it.
void MainWindow::centreOnceFramed() {
    if (m_centreWhenFramed && !m_commands.isRunning() && isVisible() &&
        frameGeometry().size() != size()) {
        m_centreWhenFramed = false;
        centreOnScreen();
    }
}

void MainWindow::applySettings(const km::Settings& settings) {
    m_form.FolderTreeview1->setSelectedPath(settings.folder);
    m_form.tbPre->setText(settings.prefix);
    m_form.tbStart->setText(settings.startNumber);
    m_form.tbLen->setText(settings.digits);
    m_form.cbJPG->setValue(settings.jpegState);
    m_form.cbBMP->setValue(settings.bitmapState);
    m_form.cbGIF->setValue(settings.gifState);
    m_form.cbPreview->setValue(settings.previewState);
    m_form.obRenameAll->setChecked(settings.renameAll);
    m_form.obRenameSelected->setChecked(!settings.renameAll);
    CurrentFolder = settings.folder;
}

void MainWindow::applyStartFolder() {
    if (m_startFolder.isEmpty())
        return;
    m_form.FolderTreeview1->setSelectedPath(m_startFolder);
    CurrentFolder = m_startFolder;
}

km::Settings MainWindow::currentSettings() const {
    km::Settings settings;
    settings.folder = m_form.FolderTreeview1->selectedPath();
    settings.prefix = m_form.tbPre->text();
    settings.startNumber = m_form.tbStart->text();
    settings.digits = m_form.tbLen->text();
    settings.jpegState = m_form.cbJPG->value();
    settings.bitmapState = m_form.cbBMP->value();
    settings.gifState = m_form.cbGIF->value();
    settings.previewState = m_form.cbPreview->value();
    settings.renameAll = m_form.obRenameAll->isChecked();
    return settings;
}

void MainWindow::Form_Unload() {
    if (m_unloaded)
        return;
    m_unloaded = true;
    Timer1->stop();
    m_dates.stop();
    // A folder that cannot be written must not keep the program from ending.
    km::writeSettingsFile(SettingsFile, currentSettings());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    PreviewRunning = false;
    Form_Unload();
    event->accept();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void MainWindow::Form_Resize() {
    m_form.layoutControls(Preview, TickCount);
}

// The application follows the modifier keys whichever window has the keyboard, so a key released
// while a dialog had it (Alt after Alt+A) is not taken for one still held.
qint16 MainWindow::ShiftState() {
    const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
    qint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

bool MainWindow::FileExists(const QString& path) const {
    return km::fs::isListableFile(path);
}

void MainWindow::FillFileList() {
    CurrentFolder = km::fs::withTrailingSeparator(CurrentFolder);
    const QString& folder = CurrentFolder;
    FoundCount = 0;
    FoundFiles.clear();
    m_rowStamps.clear();
    km::ScanChoice choice;
    choice.jpeg = m_form.cbJPG->value() == 1;
    choice.bitmap = m_form.cbBMP->value() == 1;
    choice.gif = m_form.cbGIF->value() == 1;
    choice.moreTypes = m_options.moreTypes;
    choice.companions = m_options.companions;
    km::FolderScan scan = km::scanFolder(folder, choice);
    FoundFiles = std::move(scan.photos);
    m_listedFiles = std::move(scan.inodes);
    m_companionCandidates = std::move(scan.companionCandidates);
    m_unlistedPhotos = std::move(scan.unlistedPhotos);
    m_companionsStale = true;
    if (m_options.orderInForce() != km::PhotoOrder::Taken)
        m_dates.forget();
    else if (!orderByDateTaken())
        return;
    showFoundFiles();
}

// The end of the scan: the found files become the list's rows.
void MainWindow::showFoundFiles() {
    FoundCount = static_cast<qint32>(FoundFiles.size());
    m_form.lvFiles->photos().setPhotos(FoundFiles, iconKeyFor);
    m_form.lvFiles->setEmptyText(FoundCount == 0 ? m_unlistedPhotos : QString());
    if (FoundCount >= 1)
        m_form.lvFiles->setSelected(1, true);
    UpdateNewNames();
    // The example shows the date of the first dated photo listed.
    if (m_options.date != km::DateInNames::None)
        ShowExample();
    ShowPreview(0);
}

// Puts the found files in the order they were taken. Dates the cache holds, and those read within
// the first moments, come at once; false when the rest are read in the background, with the list
// empty, its header showing the progress and Rename! off, until datesRead() fills the list.
bool MainWindow::orderByDateTaken() {
    const std::optional<km::DateReading::Dates> dates = m_dates.read(CurrentFolder, FoundFiles);
    if (!dates) {
        showDatesBeingRead();
        return false;
    }
    putInOrderTaken(*dates);
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
    if (const std::optional<km::DateReading::Dates> dates = m_dates.currentDates()) {
        putInOrderTaken(*dates);
        showFoundFiles();
    }
}

void MainWindow::putInOrderTaken(const km::DateReading::Dates& dates) {
    showOrderInHeader();
    QStringList ordered;
    ordered.reserve(FoundFiles.size());
    m_rowStamps.clear();
    m_rowStamps.reserve(FoundFiles.size());
    for (const int index : km::orderTaken(dates)) {
        ordered.append(FoundFiles[index]);
        const auto& date = dates[static_cast<size_t>(index)];
        m_rowStamps.append(date ? date->stamp : QString());
    }
    FoundFiles = std::move(ordered);
}

void MainWindow::showDateProgress(int done, int total) {
    const int percent = total > 0 ? static_cast<int>(qint64(done) * 100 / total) : 0;
    m_form.lvFiles->photos().setColumnHeader(
        0, QStringLiteral("Reading dates taken: %1%").arg(percent));
}

// A row's tooltip: whether its photo has no date taken, and the files renamed with it.
QString MainWindow::rowToolTip(int row) const {
    km::RowFacts facts;
    facts.name = m_form.lvFiles->photos().names().value(row);
    facts.undated = m_options.orderInForce() == km::PhotoOrder::Taken && row < m_rowStamps.size() &&
                    m_rowStamps[row].isEmpty();
    facts.datesInNames = m_options.date != km::DateInNames::None;
    facts.companions = m_companions.pairsOf(row);
    return km::rowToolTip(facts);
}

void MainWindow::UpdateNewNames() {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    const bool renameAll = m_form.obRenameAll->isChecked();
    const std::vector<bool> selected =
        renameAll ? std::vector<bool>() : m_form.lvFiles->selectedFlags();
    const km::NamingFields fields{m_form.tbPre->text(), m_form.tbStart->text(),
                                  m_form.tbLen->text()};
    km::NewNames proposal = proposeNewNames(fields, renameAll, selected);
    m_undatedCount = proposal.undatedCount;
    // The companions follow the new names; a click that changes none keeps them.
    if (photos.setNewNames(std::move(proposal.names)) || m_companionsStale) {
        m_companions = km::planCompanions(photos.names().mid(0, FoundCount), photos.newNames(),
                                          m_companionCandidates);
        m_companionsStale = false;
    }
    // While dates are read the list is not complete yet.
    m_form.bRename->setEnabled(proposal.renameEnabled && !m_dates.isReading());
    showUndatedRows();
    km::deliverPendingEvents();
    CheckDuplicates();
}

km::NewNames MainWindow::proposeNewNames(const km::NamingFields& fields, bool renameAll,
                                         const std::vector<bool>& selected) const {
    const QStringList names = m_form.lvFiles->photos().names().mid(0, FoundCount);
    const auto isSelected = [&selected](int row0) {
        return selected[static_cast<size_t>(row0)];
    };
    if (m_options.date == km::DateInNames::None)
        return km::computeNewNames(fields, renameAll, names, isSelected);
    return km::computeDatedNames(fields, renameAll, names, isSelected,
                                 {m_options.datePattern(), m_options.numbers}, m_rowStamps);
}

// With a date in the names, the photos without one read "(no date taken)" as their new name.
void MainWindow::showUndatedRows() {
    m_form.lvFiles->photos().setLeftOutRows(m_options.date == km::DateInNames::None
                                                ? std::vector<bool>()
                                                : km::undatedRows(m_rowStamps),
                                            QStringLiteral("(no date taken)"));
}

void MainWindow::ShowExample() {
    const km::NamingFields fields{m_form.tbPre->text(), m_form.tbStart->text(),
                                  m_form.tbLen->text()};
    if (m_options.date == km::DateInNames::None) {
        m_form.lblExample->setText(km::exampleLine(fields));
        return;
    }
    m_form.lblExample->setText(
        km::datedExampleLine(fields, {m_options.datePattern(), m_options.numbers}, m_rowStamps));
}

bool MainWindow::CheckDuplicates() {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    const km::Conflicts conflicts =
        km::findConflictsWithCompanions(photos.names(), photos.newNames(), m_companions);
    photos.setConflictRows(conflicts.conflictingRows);
    return conflicts.found;
}

void MainWindow::ShowPreview(int start) {
    km::PreviewContext context;
    context.previewCount = [this] {
        return Preview.count;
    };
    context.box = [this](int index) {
        return m_form.pbPreview[static_cast<size_t>(index)];
    };
    context.currentFolder = [this] {
        return CurrentFolder;
    };
    context.previewChecked = [this] {
        return m_form.cbPreview->value() == 1;
    };
    context.foundCount = [this] {
        return FoundCount;
    };
    context.rowCount = [this] {
        return m_form.lvFiles->rowTotal();
    };
    context.rowText = [this](int row) {
        return m_form.lvFiles->text(row);
    };
    context.selectedPosition = [this] {
        return m_form.lvFiles->selectedItemPosition();
    };
    context.running = &PreviewRunning;
    km::drawPreviewColumn(context, start);
}

void MainWindow::FolderTreeview1_Click() {
    CurrentFolder = m_form.FolderTreeview1->selectedPath();
    FillFileList();
}

void MainWindow::rescanUnlessLoading() {
    if (!Loading)
        FillFileList();
}

void MainWindow::cbJPG_Click() {
    rescanUnlessLoading();
}

void MainWindow::cbBMP_Click() {
    rescanUnlessLoading();
}

void MainWindow::cbGIF_Click() {
    rescanUnlessLoading();
}

void MainWindow::cbPreview_Click() {
    if (!Loading)
        ShowPreview(0);
}

void MainWindow::obRenameAll_Click() {
    UpdateNewNames();
}

void MainWindow::obRenameSelected_Click() {
    UpdateNewNames();
}

void MainWindow::lvFiles_Click() {
    UpdateNewNames();
    if (ShiftState() == 0)
        ShowPreview(0);
}

// The example follows every keystroke; the list follows ten ticks after the last one.
void MainWindow::namingFieldChanged() {
    ShowExample();
    RescanDueTick = TickCount;
}

void MainWindow::tbPre_Change() {
    namingFieldChanged();
}

void MainWindow::tbStart_Change() {
    namingFieldChanged();
}

void MainWindow::tbLen_Change() {
    namingFieldChanged();
}

void MainWindow::bRename_Click() {
    if (!settleInterruptedBatches())
        return;
    if (CheckDuplicates()) {
        ShowMessageBox(QStringLiteral("Can't rename since this will result\r\n"
                                      "in duplicate filenames. These are\r\n"
                                      "shown in RED in the file list."),
                       km::kStyleWarning, QStringLiteral("Duplicates found"));
        return;
    }
    // The batch is the list as it stands at the click, whatever happens while the user answers.
    const km::RowsBatch batch = renameOfListedRows();
    if (const QString refusal = km::companionRefusal(m_companions, FoundFiles);
        !refusal.isEmpty()) {
        ShowMessageBox(refusal, km::kStyleWarning, QStringLiteral("Rename Images"));
        return;
    }
    if (ShowMessageBox(renameQuestion(m_companions.pairs.size(), m_undatedCount),
                       km::kStyleQuestion, QStringLiteral("Rename Images")) != km::BoxAnswer::Yes)
        return;
    if (batch.plan.pairs.empty()) {
        // Every listed photo vanished meanwhile: there is nothing to rename and nothing to say.
        FillFileList();
        return;
    }
    km::BatchOutcome outcome;
    {
        BusyCursor busy;
        outcome = m_renames.rename(batch.plan);
    }
    if (!outcome.touched) {
        showRenameRefusal(batch, outcome);
        return;
    }
    FillFileList();
    if (outcome.done || !outcome.stranded.empty())
        m_form.bUndo->setEnabled(true);
    if (!outcome.message.isEmpty())
        ShowMessageBox(outcome.message, km::kStyleWarning, QStringLiteral("Rename Images"));
}

// The question before a rename; it counts the RAW and sidecar files renamed with the photos and
// the photos left out for want of a date taken.
QString MainWindow::renameQuestion(std::size_t companions, int undated) {
    QString question = QStringLiteral("Are you absolutely sure you want to\r\n"
                                      "rename these images?");
    if (companions == 1)
        question += QStringLiteral("\r\n1 RAW or sidecar file is renamed with them.");
    else if (companions > 1)
        question +=
            QStringLiteral("\r\n%1 RAW and sidecar files are renamed with them.").arg(companions);
    if (undated == 1)
        question += QStringLiteral("\r\n1 photo without a date taken keeps its name.");
    else if (undated > 1)
        question +=
            QStringLiteral("\r\n%1 photos without a date taken keep their names.").arg(undated);
    return question;
}

// A refused batch touched nothing. Rows it found in conflict turn red; otherwise the list is
// brought up to date, since the refusal may come from files that changed since the scan.
void MainWindow::showRenameRefusal(const km::RowsBatch& batch, const km::BatchOutcome& outcome) {
    if (outcome.duplicateTargets.empty())
        FillFileList();
    else
        markDuplicateTargets(batch, outcome);
    ShowMessageBox(outcome.message, km::kStyleWarning, QStringLiteral("Rename Images"));
}

// The listed rows with a new name in row order, then their RAW and sidecar files.
km::RowsBatch MainWindow::renameOfListedRows() const {
    const km::PhotoListModel& photos = m_form.lvFiles->photos();
    const qsizetype rows = std::min<qsizetype>(FoundCount, photos.count());
    km::RowsBatch batch =
        km::renameOfRows(km::fs::withTrailingSeparator(CurrentFolder), photos.names().mid(0, rows),
                         photos.newNames().mid(0, rows), m_companions);
    // Sorted here rather than at every scan: a rename is rare, and far slower than the sort.
    batch.plan.listedFiles = m_listedFiles;
    std::sort(batch.plan.listedFiles.begin(), batch.plan.listedFiles.end());
    return batch;
}

void MainWindow::markDuplicateTargets(const km::RowsBatch& batch, const km::BatchOutcome& outcome) {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    std::vector<int> red = photos.conflictRows();
    for (const int row : batch.rowsOf(outcome.duplicateTargets))
        red.push_back(row);
    photos.setConflictRows(red);
}

void MainWindow::bUndo_Click() {
    if (!settleInterruptedBatches())
        return;
    if (ShowMessageBox(QStringLiteral("Do you want to UNDO the last rename operation?"),
                       km::kStyleQuestion, QStringLiteral("Undo Rename")) != km::BoxAnswer::Yes)
        return;
    m_form.bUndo->setEnabled(false);
    km::BatchOutcome outcome;
    {
        BusyCursor busy;
        outcome = m_renames.undo();
    }
    // Nothing was undone, or files remain under other names: the record must still serve.
    if (!outcome.done)
        m_form.bUndo->setEnabled(true);
    if (outcome.touched)
        FillFileList();
    if (!outcome.message.isEmpty())
        ShowMessageBox(outcome.message, km::kStyleWarning, QStringLiteral("Undo Rename"));
}

void MainWindow::bExit_Click() {
    PreviewRunning = false;
    km::deliverPendingEvents();
    close();
}

void MainWindow::bAbout_Click() {
    showAboutDialog();
}

// The photo list's menu: each choice is kept at once and applied by listing the folder again.
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

void MainWindow::chooseMoreTypes(bool on) {
    m_options.moreTypes = on;
    saveOptions();
    runCommand(&MainWindow::FillFileList);
}

void MainWindow::saveOptions() const {
    // A folder that cannot be written only means the choice is not kept for the next start.
    if (!m_optionsFile.isEmpty())
        km::writeOptionsFile(m_optionsFile, m_options);
}

void MainWindow::showOrderInHeader() {
    m_form.lvFiles->photos().setColumnHeader(0,
                                             m_options.orderInForce() == km::PhotoOrder::Taken
                                                 ? QStringLiteral("Original Name (in order taken)")
                                                 : QStringLiteral("Original Name"));
}

// The window lists the recorded batches and only reports the choice: the undo runs as a command.
void MainWindow::showEarlierRenames() {
    m_earlierRenames = m_renames.earlierRenames();
    auto* window =
        new km::EarlierRenamesDialog(km::earlierRenameRows(m_earlierRenames, m_fileOps), this);
    connect(window, &km::EarlierRenamesDialog::undoChosen, this, [this](int row) {
        m_earlierChoice = row;
        runCommand(&MainWindow::undoEarlierRename);
    });
    window->open();
}

void MainWindow::undoEarlierRename() {
    if (m_earlierChoice < 0 || m_earlierChoice >= static_cast<int>(m_earlierRenames.size()))
        return;
    const km::LoadedHistory chosen = m_earlierRenames[static_cast<std::size_t>(m_earlierChoice)];
    m_earlierChoice = -1;
    if (!settleInterruptedBatches())
        return;
    if (!chosen.entry) {
        ShowMessageBox(QStringLiteral("The record %1 is damaged (%2); nothing was renamed.")
                           .arg(QLatin1Char('"') + chosen.path + QLatin1Char('"'), chosen.damage),
                       km::kStyleWarning, kEarlierRenamesTitle);
        return;
    }
    km::RenameKeeper::EarlierUndo undone;
    {
        BusyCursor busy;
        undone = m_renames.undoEarlier(*chosen.entry);
    }
    if (undone.outcome.touched &&
        chosen.entry->folder == km::fs::withTrailingSeparator(CurrentFolder))
        FillFileList();
    const bool clean = undone.outcome.done && undone.plan.leftAlone.empty() &&
                       undone.outcome.message.isEmpty() && undone.plan.folderError.ok();
    ShowMessageBox(km::earlierUndoMessage(undone.plan, undone.outcome),
                   clean ? km::BoxInformation : km::kStyleWarning, kEarlierRenamesTitle);
}

void MainWindow::Timer1_Timer() {
    // The count stops at its maximum rather than wrapping after years of running.
    if (TickCount < std::numeric_limits<qint32>::max())
        ++TickCount;
    // No rescan while a command runs (a question may be open): it waits for a later tick.
    if (RescanDueTick != 0 && TickCount - RescanDueTick >= 10 && !m_commands.isRunning()) {
        RescanDueTick = 0;
        runCommand(&MainWindow::FillFileList);
    }
    if (Preview.dueTick != 0 && TickCount - Preview.dueTick >= 3) {
        Preview.dueTick = 0;
        ShowPreview(Preview.start);
        Preview.start = 0;
    }
}

} // namespace km
