// SPDX-License-Identifier: MIT
#include "main_window/main_window.h"

#include "dialogs/about_dialog.h"
#include "dialogs/message_box.h"
#include "files/file_system.h"
#include "main_window/photo_list_menu.h"
#include "main_window/preview_drawing.h"
#include "main_window/recovery_questions.h"
#include "numbers/rounding.h"
#include "photo_dates/folder_dates.h"
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"
#include "rename/companions.h"
#include "rename/conflicts.h"
#include "rename/naming.h"
#include "widgets/busy_cursor.h"
#include "widgets/check_box.h"
#include "widgets/folder_tree.h"
#include "widgets/pending_events.h"
#include "xpbutton/xpbutton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace km {

namespace {

using km::ShowMessageBox;

constexpr qint32 kStyleWarning = km::BoxExclamation;
constexpr qint32 kStyleQuestion = km::BoxYesNo | km::BoxQuestion;

// The small icon of a listed file, by the upper-cased text after its last dot.
QString iconKeyFor(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : name.mid(dot + 1).toUpper();
    if (extension == QLatin1String("JPG") || extension == QLatin1String("JPEG"))
        return QStringLiteral("ICON_JPG");
    if (extension == QLatin1String("GIF"))
        return QStringLiteral("ICON_GIF");
    if (extension == QLatin1String("BMP"))
        return QStringLiteral("ICON_BMP");
    return {};
}

qint16 modifierBit(int key) {
    switch (key) {
    case Qt::Key_Shift:
        return 1;
    case Qt::Key_Control:
        return 2;
    case Qt::Key_Alt:
        return 4;
    default:
        return 0;
    }
}

// The modifier mask of a set of modifiers: 1 Shift, 2 Ctrl, 4 Alt.
qint16 modifierMask(Qt::KeyboardModifiers modifiers) {
    qint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    return mask;
}

// The modifier mask after the event. Window systems differ on whether a modifier key's own event
// already counts that key, so its bit is set or cleared here.
qint16 modifierMask(const QKeyEvent& event) {
    const qint16 mask = modifierMask(event.modifiers());
    const qint16 own = modifierBit(event.key());
    return event.type() == QEvent::KeyPress ? (mask | own) : (mask & ~own);
}

} // namespace

MainWindow::MainWindow(const QString& settingsFolder, const QString& folderTreeStart,
                       const QString& journalFolder, const QString& optionsFolder, QWidget* parent)
    : QWidget(parent), m_form(*this, folderTreeStart), Timer1(new QTimer(this)),
      m_settingsFolder(settingsFolder), m_journalFolder(journalFolder) {
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
    connectHandlers();
    qApp->installEventFilter(this);
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
}

// Runs a command now, or, when it arrives during another command's event deliveries, once that
// one has ended: commands never interleave. A command already waiting is not queued twice, and
// none runs after the window has been unloaded.
void MainWindow::runCommand(Command command) {
    if (m_commandRunning) {
        if (std::find(m_queuedCommands.begin(), m_queuedCommands.end(), command) ==
            m_queuedCommands.end())
            m_queuedCommands.push_back(command);
        return;
    }
    m_commandRunning = true;
    if (!m_unloaded)
        (this->*command)();
    runQueuedCommands();
    m_commandRunning = false;
}

// Runs the commands that arrived while one ran, oldest first; none once the window is unloaded.
void MainWindow::runQueuedCommands() {
    while (!m_queuedCommands.empty() && !m_unloaded) {
        const Command next = m_queuedCommands.front();
        m_queuedCommands.pop_front();
        (this->*next)();
    }
    m_queuedCommands.clear();
}

void MainWindow::rescanCommand() {
    FillFileList(CurrentFolder);
}

// Offers again the interrupted batches whose questions were left unanswered. True when the
// command may go on: nothing is left unanswered and no file was moved under the list.
bool MainWindow::settleInterruptedBatches() {
    if (!m_recoveryUnanswered)
        return true;
    const InterruptedBatchOutcome outcome = recoverInterruptedBatches(m_journalFolder, m_fileOps);
    m_recoveryUnanswered = outcome.unanswered;
    if (outcome.filesMoved)
        FillFileList(CurrentFolder);
    return !outcome.unanswered && !outcome.filesMoved;
}

void MainWindow::Form_Load() {
    Loading = true;
    CurrentFolder = m_form.FolderTreeview1->selectedPath();
    SettingsFile = m_settingsFolder + QLatin1Char('/') + QLatin1String(km::kSettingsFileName);
    m_form.bUndo->setEnabled(false);
    Preview.count = 1;
    Preview.loaded = std::max(Preview.loaded, 1);
    m_recoveryUnanswered = recoverInterruptedBatches(m_journalFolder, m_fileOps).unanswered;
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
    m_commandRunning = true;
    centreOnScreen();
    m_centreWhenFramed = true;
    show();
    // The first control of the tab order starts with the focus, also once a window manager
    // activates the window.
    m_form.FolderTreeview1->setFocus(Qt::OtherFocusReason);
    ShowExample();
    if (!CurrentFolder.isEmpty())
        FillFileList(CurrentFolder);
    RescanDueTick = 0;
    Preview.dueTick = 0;
    TickCount = 0;
    Timer1->setInterval(100);
    Timer1->start();
    runQueuedCommands();
    m_commandRunning = false;
    centreOnceFramed();
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
    if (m_centreWhenFramed && !m_commandRunning && isVisible() &&
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    auto* widget = qobject_cast<QWidget*>(watched);
    // Key preview: the window records the modifiers before the focused control sees the key.
    // An event passed on to parents is seen again, which only stores the same mask once more.
    if (keyEvent && widget && widget->window() == this) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress)
            Form_KeyDown(key->key(), modifierMask(*key));
        else
            Form_KeyUp(key->key(), modifierMask(*key));
    }
    // A key released while a dialog had the keyboard (Alt after Alt+A) never reaches the window:
    // take the modifiers as they are now whenever the window is active again.
    if (watched == this && event->type() == QEvent::WindowActivate)
        ShiftState = modifierMask(QGuiApplication::queryKeyboardModifiers());
    return QWidget::eventFilter(watched, event);
}

void MainWindow::Form_KeyDown(int, int shift) {
    ShiftState = static_cast<qint16>(shift);
}

void MainWindow::Form_KeyUp(int, int shift) {
    ShiftState = static_cast<qint16>(shift);
}

bool MainWindow::FileExists(const QString& path) const {
    return km::fs::isListableFile(path);
}

void MainWindow::FillFileList(QString& folder) {
    folder = km::fs::withTrailingSeparator(folder);
    FoundCount = 0;
    FoundFiles.clear();
    m_rowHasDate.clear();
    QStringList patterns;
    if (m_form.cbJPG->value() == 1)
        patterns << QStringLiteral("*.jpg") << QStringLiteral("*.jpeg");
    if (m_form.cbBMP->value() == 1)
        patterns << QStringLiteral("*.bmp");
    if (m_form.cbGIF->value() == 1)
        patterns << QStringLiteral("*.gif");
    // A folder that vanished or cannot be read gives an empty (or partial) list. RAW and sidecar
    // files come from the same single read.
    const km::fs::FolderListing listing =
        m_options.companions ? km::fs::listFolder(folder, patterns, km::isCompanionCandidate)
                             : km::fs::listFolder(folder, patterns);
    for (const QStringList& names : listing.matches)
        FoundFiles += names;
    m_companionCandidates = listing.filtered;
    m_companionsStale = true;
    if (m_options.order == km::PhotoOrder::Taken && !orderByDateTaken(folder))
        return;
    FoundCount = static_cast<qint32>(FoundFiles.size());

    m_form.lvFiles->photos().setPhotos(FoundFiles, iconKeyFor);
    if (FoundCount >= 1)
        m_form.lvFiles->setSelected(1, true);
    UpdateNewNames();
    ShowPreview(0);
}

// Puts the found files in the order they were taken. Reading dates not yet known lets events run,
// with the list empty, its header showing the progress and Rename! off; false when the window was
// unloaded meanwhile.
bool MainWindow::orderByDateTaken(const QString& folder) {
    const auto dates =
        km::readDatesTaken(folder, FoundFiles, m_dateCache, [&](int done, int total) {
            if (!m_readingDates) {
                m_readingDates = true;
                m_form.lvFiles->photos().setPhotos({}, iconKeyFor);
                m_form.bRename->setEnabled(false);
            }
            showDateProgress(done, total);
            km::deliverPendingEvents();
            return !m_unloaded;
        });
    m_readingDates = false;
    showOrderInHeader();
    if (!dates) {
        FoundFiles.clear();
        return false;
    }
    QStringList ordered;
    ordered.reserve(FoundFiles.size());
    for (const int index : km::orderTaken(*dates)) {
        ordered.append(FoundFiles[index]);
        m_rowHasDate.push_back((*dates)[static_cast<size_t>(index)].has_value());
    }
    FoundFiles = std::move(ordered);
    return true;
}

void MainWindow::showDateProgress(int done, int total) {
    const int percent = total > 0 ? static_cast<int>(qint64(done) * 100 / total) : 100;
    m_form.lvFiles->photos().setColumnHeader(
        0, QStringLiteral("Reading dates taken: %1%").arg(percent));
}

// A row's tooltip: whether its photo has no date taken, and the files renamed with it.
QString MainWindow::rowToolTip(int row) const {
    QStringList lines;
    if (m_options.order == km::PhotoOrder::Taken &&
        static_cast<size_t>(row) < m_rowHasDate.size() && !m_rowHasDate[static_cast<size_t>(row)])
        lines << QStringLiteral("no date taken");
    QStringList companions;
    for (const km::RenamePair& companion : m_companions.pairsOf(row))
        companions << QStringLiteral("%1 \u2192 %2").arg(companion.from, companion.to);
    km::fs::sortNaturally(companions);
    lines += companions;
    return lines.join(QLatin1Char('\n'));
}

void MainWindow::UpdateNewNames() {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    const bool renameAll = m_form.obRenameAll->isChecked();
    const std::vector<bool> selected =
        renameAll ? std::vector<bool>() : m_form.lvFiles->selectedFlags();
    const km::NamingFields fields{m_form.tbPre->text(), m_form.tbStart->text(),
                                  m_form.tbLen->text()};
    km::NewNames proposal =
        km::computeNewNames(fields, renameAll, photos.names().mid(0, FoundCount),
                            [&selected](int row0) { return selected[static_cast<size_t>(row0)]; });
    // The companions follow the new names; a click that changes none keeps them.
    if (photos.setNewNames(std::move(proposal.names)) || m_companionsStale) {
        m_companions = km::planCompanions(photos.names().mid(0, FoundCount), photos.newNames(),
                                          m_companionCandidates);
        m_companionsStale = false;
    }
    // While dates are read the list is not complete yet.
    m_form.bRename->setEnabled(proposal.renameEnabled && !m_readingDates);
    km::deliverPendingEvents();
    CheckDuplicates();
}

void MainWindow::ShowExample() {
    m_form.lblExample->setText(
        km::exampleLine({m_form.tbPre->text(), m_form.tbStart->text(), m_form.tbLen->text()}));
}

bool MainWindow::CheckDuplicates() {
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    const km::Conflicts conflicts =
        km::findConflictsWithCompanions(photos.names(), photos.newNames(), m_companions);
    photos.setConflictRows(conflicts.redRows);
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
    FillFileList(CurrentFolder);
}

void MainWindow::rescanUnlessLoading() {
    if (!Loading)
        FillFileList(CurrentFolder);
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
    if (ShiftState == 0)
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
                       kStyleWarning, QStringLiteral("Duplicates found"));
        return;
    }
    // The batch is the list as it stands at the click, whatever happens while the user answers.
    const QString folder = km::fs::withTrailingSeparator(CurrentFolder);
    const km::BatchPlan plan = renamePlan(folder);
    if (const QString refusal = km::companionRefusal(m_companions, FoundFiles);
        !refusal.isEmpty()) {
        ShowMessageBox(refusal, kStyleWarning, QStringLiteral("Rename Images"));
        return;
    }
    if (ShowMessageBox(renameQuestion(m_companions.pairs.size()), kStyleQuestion,
                       QStringLiteral("Rename Images")) != km::BoxAnswer::Yes)
        return;
    if (plan.pairs.empty()) {
        // Every listed photo vanished meanwhile: there is nothing to rename and nothing to say.
        FillFileList(CurrentFolder);
        return;
    }
    std::unique_ptr<km::JournalFile> journal = newJournal();
    km::BatchOutcome outcome;
    {
        BusyCursor busy;
        outcome = km::renameBatch(plan, m_fileOps, journal.get());
    }
    if (!outcome.touched) {
        showRenameRefusal(outcome);
        return;
    }
    if (outcome.done) {
        UndoList = plan;
    } else if (!outcome.stranded.empty()) {
        // Files that could not be put back: the record now describes the folder as it is.
        UndoList = {folder, outcome.stranded};
    }
    keepJournalOfStrandedFiles(std::move(journal), outcome);
    FillFileList(CurrentFolder);
    if (outcome.done || !outcome.stranded.empty())
        m_form.bUndo->setEnabled(true);
    if (!outcome.message.isEmpty())
        ShowMessageBox(outcome.message, kStyleWarning, QStringLiteral("Rename Images"));
}

// The question before a rename; it counts the RAW and sidecar files renamed with the photos.
QString MainWindow::renameQuestion(std::size_t companions) {
    QString question = QStringLiteral("Are you absolutely sure you want to\r\n"
                                      "rename these images?");
    if (companions == 1)
        question += QStringLiteral("\r\n1 RAW or sidecar file is renamed with them.");
    else if (companions > 1)
        question +=
            QStringLiteral("\r\n%1 RAW and sidecar files are renamed with them.").arg(companions);
    return question;
}

// A refused batch touched nothing. Rows it found in conflict turn red; otherwise the list is
// brought up to date, since the refusal may come from files that changed since the scan.
void MainWindow::showRenameRefusal(const km::BatchOutcome& outcome) {
    if (outcome.duplicateTargets.empty())
        FillFileList(CurrentFolder);
    else
        markDuplicateTargets(outcome);
    ShowMessageBox(outcome.message, kStyleWarning, QStringLiteral("Rename Images"));
}

std::unique_ptr<km::JournalFile> MainWindow::newJournal() const {
    if (m_journalFolder.isEmpty())
        return nullptr;
    return std::make_unique<km::JournalFile>(m_journalFolder);
}

// A batch that left files stranded keeps its journal. This window holds it while the undo record
// describes those files, and removes it once an undo has put them back; a later rename lets go of
// it, so that the next start offers it.
void MainWindow::keepJournalOfStrandedFiles(std::unique_ptr<km::JournalFile> journal,
                                            const km::BatchOutcome& outcome) {
    if (outcome.done || !outcome.stranded.empty())
        m_strandedJournal = outcome.stranded.empty() ? nullptr : std::move(journal);
}

// The rows that get a new name, in row order: the order of the photos' pairs in the plan.
std::vector<int> MainWindow::renamedRows() const {
    const km::PhotoListModel& photos = m_form.lvFiles->photos();
    std::vector<int> rows;
    for (int row = 0; row < std::min(FoundCount, photos.count()); ++row) {
        if (!photos.newNames()[row].isEmpty())
            rows.push_back(row);
    }
    return rows;
}

// The photos' pairs in row order, then their RAW and sidecar files'.
km::BatchPlan MainWindow::renamePlan(const QString& folder) const {
    const km::PhotoListModel& photos = m_form.lvFiles->photos();
    km::BatchPlan plan{folder, {}};
    for (const int row : renamedRows())
        plan.pairs.push_back({photos.names()[row], photos.newNames()[row]});
    plan.pairs.insert(plan.pairs.end(), m_companions.pairs.begin(), m_companions.pairs.end());
    return plan;
}

void MainWindow::markDuplicateTargets(const km::BatchOutcome& outcome) {
    if (outcome.duplicateTargets.empty())
        return;
    km::PhotoListModel& photos = m_form.lvFiles->photos();
    // Each pair of the plan back to its row.
    std::vector<int> rowOfPair = renamedRows();
    for (std::size_t pair = 0; pair < m_companions.pairs.size(); ++pair)
        rowOfPair.push_back(m_companions.rowOf(pair));
    std::vector<int> red = photos.conflictRows();
    for (std::size_t index : outcome.duplicateTargets) {
        if (index < rowOfPair.size() && rowOfPair[index] >= 0)
            red.push_back(rowOfPair[index]);
    }
    photos.setConflictRows(red);
}

void MainWindow::bUndo_Click() {
    if (!settleInterruptedBatches())
        return;
    if (ShowMessageBox(QStringLiteral("Do you want to UNDO the last rename operation?"),
                       kStyleQuestion, QStringLiteral("Undo Rename")) != km::BoxAnswer::Yes)
        return;
    m_form.bUndo->setEnabled(false);
    std::unique_ptr<km::JournalFile> journal = newJournal();
    km::BatchOutcome outcome;
    {
        BusyCursor busy;
        outcome = km::undoBatch(UndoList, m_fileOps, journal.get());
    }
    if (outcome.done) {
        // Files a failed rename had stranded are back too: their journal has served.
        if (m_strandedJournal)
            m_strandedJournal->end();
        m_strandedJournal.reset();
    } else {
        // Nothing was undone, or files remain under other names: the record must still serve.
        for (const km::RenamePair& stranded : outcome.stranded) {
            for (km::RenamePair& entry : UndoList.pairs) {
                if (entry.from == stranded.from)
                    entry.to = stranded.to;
            }
        }
        if (!outcome.stranded.empty())
            m_strandedJournal = std::move(journal);
        m_form.bUndo->setEnabled(true);
    }
    if (outcome.touched)
        FillFileList(CurrentFolder);
    if (!outcome.message.isEmpty())
        ShowMessageBox(outcome.message, kStyleWarning, QStringLiteral("Undo Rename"));
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
    runCommand(&MainWindow::rescanCommand);
}

void MainWindow::chooseCompanions(bool on) {
    m_options.companions = on;
    saveOptions();
    runCommand(&MainWindow::rescanCommand);
}

void MainWindow::saveOptions() const {
    // A folder that cannot be written only means the choice is not kept for the next start.
    if (!m_optionsFile.isEmpty())
        km::writeOptionsFile(m_optionsFile, m_options);
}

void MainWindow::showOrderInHeader() {
    m_form.lvFiles->photos().setColumnHeader(0,
                                             m_options.order == km::PhotoOrder::Taken
                                                 ? QStringLiteral("Original Name (in order taken)")
                                                 : QStringLiteral("Original Name"));
}

void MainWindow::Timer1_Timer() {
    // The count stops at its maximum rather than wrapping after years of running.
    if (TickCount < std::numeric_limits<qint32>::max())
        ++TickCount;
    // No rescan while a command runs (a question may be open): it waits for a later tick.
    if (RescanDueTick != 0 && TickCount - RescanDueTick >= 10 && !m_commandRunning) {
        RescanDueTick = 0;
        runCommand(&MainWindow::rescanCommand);
    }
    if (Preview.dueTick != 0 && TickCount - Preview.dueTick >= 3) {
        Preview.dueTick = 0;
        ShowPreview(Preview.start);
        Preview.start = 0;
    }
}

} // namespace km
