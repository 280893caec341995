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
#include "main_window/window_words.h"
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
#include "widgets/divider.h"
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
#include <QShortcut>
#include <QTimer>
#include <algorithm>

namespace km {

namespace {

using km::ShowMessageBox;

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
    for (const char* key : {"ICON_BMP", "ICON_GIF", "ICON_JPG", "ICON_RAW", "ICON_VIDEO"}) {
        const QString name = QString::fromLatin1(key);
        ilImgIcons.add(name, QPixmap(QStringLiteral(":/main/%1.png").arg(name.toLower())));
    }
    m_form.lvFiles->bindImageList([this](const QString& key) { return ilImgIcons.icon(key); });
    m_form.lvFiles->photos().setToolTipProvider([this](int row) { return rowToolTip(row); });
    auto* menu = new km::PhotoListMenu(*m_form.lvFiles, [this] { return m_options; });
    connect(menu, &km::PhotoListMenu::orderChosen, this, &MainWindow::chooseOrder);
    connect(menu, &km::PhotoListMenu::companionsChosen, this, &MainWindow::chooseCompanions);
    connect(menu, &km::PhotoListMenu::moreTypesChosen, this,
            [this](bool on) { chooseListing(&km::Options::moreTypes, on); });
    connect(menu, &km::PhotoListMenu::rawChosen, this,
            [this](bool on) { chooseListing(&km::Options::raw, on); });
    connect(menu, &km::PhotoListMenu::videosChosen, this,
            [this](bool on) { chooseListing(&km::Options::videos, on); });
    connect(menu, &km::PhotoListMenu::nameDatesChosen, this,
            [this](bool on) { chooseListing(&km::Options::nameDates, on); });
    connect(menu, &km::PhotoListMenu::fileTimesChosen, this,
            [this](bool on) { chooseListing(&km::Options::fileTimes, on); });
    connect(menu, &km::PhotoListMenu::dateChosen, this, &MainWindow::chooseDate);
    connect(menu, &km::PhotoListMenu::numbersChosen, this, &MainWindow::chooseNumbers);
    connect(menu, &km::PhotoListMenu::earlierRenamesChosen, this, &MainWindow::showEarlierRenames);
    connect(menu, &km::PhotoListMenu::cameraClocksChosen, this, &MainWindow::showCameraClocks);
    connect(menu, &km::PhotoListMenu::patternChosen, this, &MainWindow::choosePattern);
    connect(menu, &km::PhotoListMenu::namePatternDialogChosen, this,
            &MainWindow::showNamePatternDialog);
    connect(menu, &km::PhotoListMenu::extensionCaseChosen, this, &MainWindow::chooseExtensionCase);
    connect(menu, &km::PhotoListMenu::keepWindowChosen, this, &MainWindow::chooseKeepWindow);
    connect(menu, &km::PhotoListMenu::followFolderChosen, this, &MainWindow::chooseFollowFolder);
    connect(menu, &km::PhotoListMenu::checkNamesChosen, this, [this](bool on) {
        m_options.checkNames = on;
        saveOptions();
        runCommand(&MainWindow::UpdateNewNames);
    });
    connect(menu, &km::PhotoListMenu::countsChosen, this, [this](bool on) {
        m_options.counts = on;
        saveOptions();
    });
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
    connect(m_form.divider, &km::Divider::pressed, this,
            [this] { m_listWidthAtPress = m_form.lvFiles->widthTwips(); });
    connect(m_form.divider, &km::Divider::dragged, this, &MainWindow::dragDivider);
    auto* listAgain = new QShortcut(QKeySequence::Refresh, this);
    connect(listAgain, &QShortcut::activated, this,
            [this] { runCommand(&MainWindow::FillFileList); });
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
    m_form.lvFiles->addColumn(QStringLiteral("ORGNAME"), WindowWords::originalNameHeader(false),
                              columnsWidth / 2);
    m_form.lvFiles->addColumn(QStringLiteral("NEWNAME"), WindowWords::newNameHeader(),
                              columnsWidth / 2);
    showOrderInHeader();
    restoreListWidths();
    // From here start-up is a command too: what the user clicks during its scan waits for it.
    runCommand(&MainWindow::showAndScan);
    centreOnceFramed();
}

void MainWindow::showAndScan() {
    if (!placeAsKept()) {
        centreOnScreen();
        m_centreWhenFramed = true;
        show();
    }
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
    keepWindowPlace();
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

void MainWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        m_form.followPalette();
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

void MainWindow::bExit_Click() {
    PreviewRunning = false;
    km::deliverPendingEvents();
    close();
}

void MainWindow::bAbout_Click() {
    showAboutDialog();
}

void MainWindow::Timer1_Timer() {
    // The count stops at its maximum rather than wrapping after years of running.
    if (TickCount < std::numeric_limits<qint32>::max())
        ++TickCount;
    // No rescan while a command runs (a question may be open): it waits for a later tick.
    if (RescanDueTick == 0 && folderChangedSinceListed())
        RescanDueTick = TickCount;
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
