#include "app/main_window.h"

#include "app/interrupted_batch.h"
#include "app/preview.h"
#include "controls/xpbutton/xpbutton.h"
#include "dialogs/about_dialog.h"
#include "dialogs/message_box.h"
#include "platform/busy_cursor.h"
#include "platform/check_box.h"
#include "platform/events.h"
#include "platform/file_system.h"
#include "platform/folder_tree.h"
#include "platform/list_view.h"
#include "platform/rounding.h"
#include "rename/conflicts.h"
#include "rename/naming.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace {

using modMessageBox::ShowMessageBox;

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kConflictRed = qRgb(255, 0, 0);
constexpr qint32 kStyleWarning = km::box::StyleExclamation;
constexpr qint32 kStyleQuestion = km::box::StyleYesNo | km::box::StyleQuestion;
const QString kRecordSeparator = QStringLiteral("|");

// One file of the undo record: "original|new".
QString recordEntry(const km::RenamePair& pair) {
    return pair.from + kRecordSeparator + pair.to;
}

QStringList undoRecord(const QString& folder, const std::vector<km::RenamePair>& pairs) {
    QStringList record{folder};
    for (const km::RenamePair& pair : pairs)
        record.append(recordEntry(pair));
    return record;
}

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

// The modifier mask after the event: 1 Shift, 2 Ctrl, 4 Alt. Window systems differ on whether a
// modifier key's own event already counts that key, so its bit is set or cleared here.
qint16 modifierMask(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    qint16 mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= 1;
    if (modifiers & Qt::ControlModifier)
        mask |= 2;
    if (modifiers & Qt::AltModifier)
        mask |= 4;
    const qint16 own = modifierBit(event.key());
    return event.type() == QEvent::KeyPress ? (mask | own) : (mask & ~own);
}

} // namespace

MainWindow::MainWindow(const QString& settingsFolder, const QString& folderTreeStart,
                       const QString& journalPath, QWidget* parent)
    : MainForm(folderTreeStart, parent), Timer1(new QTimer(this)), m_settingsFolder(settingsFolder),
      m_journal(journalPath) {
    QIcon icon(QStringLiteral(":/main/kestrelmark.png"));
    icon.addFile(QStringLiteral(":/main/kestrelmark16.png"));
    setWindowIcon(icon);
    for (const char* key : {"ICON_BMP", "ICON_GIF", "ICON_JPG"}) {
        const QString name = QString::fromLatin1(key);
        ilImgIcons.add(name, QPixmap(QStringLiteral(":/main/%1.png").arg(name.toLower())));
    }
    lvFiles->bindImageList([this](const QString& key) { return ilImgIcons.icon(key); });
    connectHandlers();
    qApp->installEventFilter(this);
}

QString MainWindow::FolderTreeStartDefault() {
    return FolderTree::defaultStartFolder();
}

void MainWindow::connectHandlers() {
    connect(FolderTreeview1, &FolderTree::Click, this, &MainWindow::FolderTreeview1_Click);
    connect(cbJPG, &CheckBox::Click, this, &MainWindow::cbJPG_Click);
    connect(cbBMP, &CheckBox::Click, this, &MainWindow::cbBMP_Click);
    connect(cbGIF, &CheckBox::Click, this, &MainWindow::cbGIF_Click);
    connect(cbPreview, &CheckBox::Click, this, &MainWindow::cbPreview_Click);
    connect(obRenameAll, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            obRenameAll_Click();
    });
    connect(obRenameSelected, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            obRenameSelected_Click();
    });
    connect(lvFiles, &ListView::Click, this, &MainWindow::lvFiles_Click);
    connect(tbPre, &QLineEdit::textChanged, this, &MainWindow::tbPre_Change);
    connect(tbStart, &QLineEdit::textChanged, this, &MainWindow::tbStart_Change);
    connect(tbLen, &QLineEdit::textChanged, this, &MainWindow::tbLen_Change);
    connect(bRename, &XPButton::Click, this, &MainWindow::bRename_Click);
    connect(bUndo, &XPButton::Click, this, &MainWindow::bUndo_Click);
    connect(bExit, &XPButton::Click, this, &MainWindow::bExit_Click);
    connect(bAbout, &XPButton::Click, this, &MainWindow::bAbout_Click);
    connect(Timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
}

void MainWindow::Form_Load() {
    Loading = true;
    CurrentFolder = FolderTreeview1->selectedPath();
    SettingsFile = m_settingsFolder + QLatin1Char('/') + QLatin1String(km::kSettingsFileName);
    bUndo->setEnabled(false);
    Preview.count = 1;
    Preview.loaded = std::max(Preview.loaded, 1);
    recoverInterruptedBatch(m_journal.path(), m_fileOps);
    if (FileExists(SettingsFile))
        applySettings(km::readSettingsFile(SettingsFile));
    Loading = false;
    const double columnsWidth = km::roundHalfEven(lvFiles->widthTwips() - 330);
    lvFiles->addColumn(QStringLiteral("ORGNAME"), QStringLiteral("Original Name"),
                       columnsWidth / 2);
    lvFiles->addColumn(QStringLiteral("NEWNAME"), QStringLiteral("New Name"), columnsWidth / 2);
    centreOnScreen();
    show();
    ShowExample();
    if (!CurrentFolder.isEmpty())
        FillFileList(CurrentFolder);
    RescanDueTick = 0;
    Preview.dueTick = 0;
    TickCount = 0;
    Timer1->setInterval(100);
    Timer1->start();
}

void MainWindow::centreOnScreen() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void MainWindow::applySettings(const km::SettingsLines& settings) {
    const auto& line = settings.lines;
    FolderTreeview1->setSelectedPath(line[0]);
    tbPre->setText(line[1]);
    tbStart->setText(line[2]);
    tbLen->setText(line[3]);
    cbJPG->setValue(km::checkBoxState(line[4]));
    cbBMP->setValue(km::checkBoxState(line[5]));
    cbGIF->setValue(km::checkBoxState(line[6]));
    cbPreview->setValue(km::checkBoxState(line[7]));
    const bool renameAll = line[8] == QLatin1String("Y");
    obRenameAll->setChecked(renameAll);
    obRenameSelected->setChecked(!renameAll);
    CurrentFolder = line[0];
}

km::SettingsLines MainWindow::currentSettings() const {
    km::SettingsLines settings;
    settings.lines = {FolderTreeview1->selectedPath(),
                      tbPre->text(),
                      tbStart->text(),
                      tbLen->text(),
                      QString::number(cbJPG->value()),
                      QString::number(cbBMP->value()),
                      QString::number(cbGIF->value()),
                      QString::number(cbPreview->value()),
                      obRenameAll->isChecked() ? QStringLiteral("Y") : QStringLiteral("N")};
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
    MainForm::resizeEvent(event);
    Form_Resize();
}

void MainWindow::Form_Resize() {
    layoutControls(Preview, TickCount);
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
    return MainForm::eventFilter(watched, event);
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
    QStringList patterns;
    if (cbJPG->value() == 1)
        patterns << QStringLiteral("*.jpg") << QStringLiteral("*.jpeg");
    if (cbBMP->value() == 1)
        patterns << QStringLiteral("*.bmp");
    if (cbGIF->value() == 1)
        patterns << QStringLiteral("*.gif");
    // A folder that vanished or cannot be read gives an empty (or partial) list.
    const km::fs::FolderListing listing = km::fs::listFolder(folder, patterns);
    for (const QStringList& names : listing.matches)
        FoundFiles += names;
    FoundCount = static_cast<qint32>(FoundFiles.size());

    lvFiles->clearRows();
    for (const QString& name : std::as_const(FoundFiles)) {
        const int row = lvFiles->addRow(name);
        lvFiles->setSelected(row, false);
        const QString key = iconKeyFor(name);
        if (!key.isEmpty())
            lvFiles->setSmallIcon(row, key);
    }
    if (FoundCount >= 1)
        lvFiles->setSelected(1, true);
    UpdateNewNames();
    ShowPreview(0);
}

void MainWindow::UpdateNewNames() {
    QStringList originals;
    originals.reserve(FoundCount);
    for (int row = 1; row <= FoundCount; ++row)
        originals.append(lvFiles->text(row));
    const km::NamingFields fields{tbPre->text(), tbStart->text(), tbLen->text()};
    const km::NewNames proposal =
        km::computeNewNames(fields, obRenameAll->isChecked(), originals,
                            [this](int row0) { return lvFiles->isSelected(row0 + 1); });
    for (int row = 1; row <= FoundCount; ++row)
        lvFiles->setSubItem(row, proposal.names.value(row - 1));
    bRename->setEnabled(proposal.renameEnabled);
    lvFiles->refresh();
    km::deliverPendingEvents();
    CheckDuplicates();
}

void MainWindow::ShowExample() {
    lblExample->setText(km::exampleLine({tbPre->text(), tbStart->text(), tbLen->text()}));
}

bool MainWindow::CheckDuplicates() {
    const int rows = lvFiles->rowTotal();
    QStringList originals;
    QStringList newNames;
    originals.reserve(rows);
    newNames.reserve(rows);
    for (int row = 1; row <= rows; ++row) {
        lvFiles->setTextColour(row, kBlack);
        lvFiles->setSubItemColour(row, kBlack);
        originals.append(lvFiles->text(row));
        newNames.append(lvFiles->subItem(row));
    }
    const km::Conflicts conflicts = km::findConflicts(originals, newNames);
    for (int row0 : conflicts.redRows) {
        lvFiles->setTextColour(row0 + 1, kConflictRed);
        lvFiles->setSubItemColour(row0 + 1, kConflictRed);
    }
    lvFiles->refresh();
    return conflicts.found;
}

void MainWindow::ShowPreview(int start) {
    km::PreviewContext context;
    context.previewCount = [this] {
        return Preview.count;
    };
    context.box = [this](int index) {
        return pbPreview[static_cast<size_t>(index)];
    };
    context.currentFolder = [this] {
        return CurrentFolder;
    };
    context.previewChecked = [this] {
        return cbPreview->value() == 1;
    };
    context.foundCount = [this] {
        return FoundCount;
    };
    context.rowCount = [this] {
        return lvFiles->rowTotal();
    };
    context.rowText = [this](int row) {
        return lvFiles->text(row);
    };
    context.selectedPosition = [this] {
        return lvFiles->selectedItemPosition();
    };
    context.running = &PreviewRunning;
    km::ShowPreview(context, start);
}

void MainWindow::FolderTreeview1_Click() {
    CurrentFolder = FolderTreeview1->selectedPath();
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
    if (CheckDuplicates()) {
        ShowMessageBox(QStringLiteral("Can't rename since this will result\r\n"
                                      "in duplicate filenames. These are\r\n"
                                      "shown in RED in the file list."),
                       kStyleWarning, QStringLiteral("Duplicates found"));
        return;
    }
    const QString folder = km::fs::withTrailingSeparator(CurrentFolder);
    if (ShowMessageBox(QStringLiteral("Are you absolutely sure you want to\r\n"
                                      "rename these images?"),
                       kStyleQuestion, QStringLiteral("Rename Images")) != km::box::AnswerYes)
        return;
    const km::BatchPlan plan = renamePlan(folder);
    km::BatchOutcome outcome;
    {
        BusyCursor busy;
        outcome = km::renameBatch(plan, m_fileOps, journal());
    }
    if (!outcome.touched) {
        markDuplicateTargets(outcome);
        ShowMessageBox(outcome.message, kStyleWarning, QStringLiteral("Rename Images"));
        return;
    }
    if (outcome.done) {
        UndoList = undoRecord(folder, plan.pairs);
    } else if (!outcome.stranded.empty()) {
        // Files that could not be put back: the record now describes the folder as it is.
        UndoList = undoRecord(folder, outcome.stranded);
    }
    FillFileList(CurrentFolder);
    if (outcome.done ? !plan.pairs.empty() : !outcome.stranded.empty())
        bUndo->setEnabled(true);
    if (!outcome.message.isEmpty())
        ShowMessageBox(outcome.message, kStyleWarning, QStringLiteral("Rename Images"));
}

km::BatchJournal* MainWindow::journal() {
    return m_journal.path().isEmpty() ? nullptr : &m_journal;
}

km::BatchPlan MainWindow::renamePlan(const QString& folder) const {
    km::BatchPlan plan{folder, {}};
    for (int row = 1; row <= FoundCount; ++row) {
        const QString newName = lvFiles->subItem(row);
        if (!newName.isEmpty())
            plan.pairs.push_back({lvFiles->text(row), newName});
    }
    return plan;
}

void MainWindow::markDuplicateTargets(const km::BatchOutcome& outcome) {
    if (outcome.duplicateTargets.empty())
        return;
    // The plan holds the numbered rows in row order; find each pair's row again.
    std::vector<int> rowOfPair;
    for (int row = 1; row <= FoundCount; ++row) {
        if (!lvFiles->subItem(row).isEmpty())
            rowOfPair.push_back(row);
    }
    for (std::size_t index : outcome.duplicateTargets) {
        if (index < rowOfPair.size()) {
            lvFiles->setTextColour(rowOfPair[index], kConflictRed);
            lvFiles->setSubItemColour(rowOfPair[index], kConflictRed);
        }
    }
    lvFiles->refresh();
}

void MainWindow::bUndo_Click() {
    if (ShowMessageBox(QStringLiteral("Do you want to UNDO the last rename operation?"),
                       kStyleQuestion, QStringLiteral("Undo Rename")) != km::box::AnswerYes)
        return;
    bUndo->setEnabled(false);
    const km::BatchPlan recorded = undoPlan();
    km::BatchOutcome outcome;
    {
        BusyCursor busy;
        outcome = km::undoBatch(recorded, m_fileOps, journal());
    }
    if (!outcome.done) {
        // Nothing was undone, or files remain under other names: the record must still serve.
        for (const km::RenamePair& stranded : outcome.stranded) {
            for (qsizetype entry = 1; entry < UndoList.size(); ++entry) {
                if (UndoList[entry].section(kRecordSeparator, 0, 0) == stranded.from)
                    UndoList[entry] = recordEntry(stranded);
            }
        }
        bUndo->setEnabled(true);
    }
    if (outcome.touched)
        FillFileList(CurrentFolder);
    if (!outcome.message.isEmpty())
        ShowMessageBox(outcome.message, kStyleWarning, QStringLiteral("Undo Rename"));
}

km::BatchPlan MainWindow::undoPlan() const {
    km::BatchPlan plan{UndoList.value(0), {}};
    for (qsizetype entry = 1; entry < UndoList.size(); ++entry) {
        const qsizetype bar = UndoList[entry].indexOf(kRecordSeparator);
        if (bar >= 0)
            plan.pairs.push_back({UndoList[entry].left(bar), UndoList[entry].mid(bar + 1)});
    }
    return plan;
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
    if (RescanDueTick != 0 && TickCount - RescanDueTick >= 10) {
        RescanDueTick = 0;
        FillFileList(CurrentFolder);
    }
    if (Preview.dueTick != 0 && TickCount - Preview.dueTick >= 3) {
        Preview.dueTick = 0;
        ShowPreview(Preview.start);
        Preview.start = 0;
    }
}
