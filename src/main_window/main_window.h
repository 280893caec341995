// SPDX-License-Identifier: MIT
#pragma once

#include "batch/batch.h"
#include "batch/name_rules.h"
#include "dialogs/name_pattern_dialog.h"
#include "files/file_system.h"
#include "history/history_folder.h"
#include "listing/arranged_rows.h"
#include "main_window/command_queue.h"
#include "main_window/main_form.h"
#include "main_window/recovery_questions.h"
#include "naming/naming.h"
#include "naming/pattern_names.h"
#include "photo_dates/missing_dates.h"
#include "plan/companions.h"
#include "plan/rows_batch.h"
#include "rename/rename_keeper.h"
#include "scan/date_reading.h"
#include "settings/options_file.h"
#include "settings/settings_file.h"
#include "widgets/image_list.h"

#include <QSet>
#include <QStringList>
#include <deque>
#include <memory>

class QTimer;

namespace km {

// The main window: the program's shared state, start-up and shutdown, the folder scan and the
// handlers of every control. State and handlers keep the names the design documents use; they
// are private: only the window changes its state, and tests reach it through its controls
// (found by object name) and MainWindowTestSeam.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    // settingsFolder holds Kestrelmark.cfg; folderTreeStart is the folder the tree selects on its
    // own (the user's Pictures or home folder in the running program).
    // journalFolder is where each batch is recorded while it runs, so that a batch cut short by
    // a crash can be finished or rolled back at the next start; empty for none.
    // optionsFolder holds options.ini, the choices of the photo list's menu; empty for none (the
    // designed behaviour, choices not kept).
    explicit MainWindow(const QString& settingsFolder,
                        const QString& folderTreeStart = FolderTreeStartDefault(),
                        const QString& journalFolder = QString(),
                        const QString& optionsFolder = QString(), QWidget* parent = nullptr);
    ~MainWindow() override;

    static QString FolderTreeStartDefault();
    // A folder for start-up to open instead of the settings file's folder; empty for none.
    void setStartFolder(const QString& folder) { m_startFolder = folder; }

    // Starts the window: offers interrupted batches, restores the settings, shows the window and
    // lists the folder (Form_Load).
    void load() { Form_Load(); }
    // True once the window has been unloaded (by Exit, the close box or the system).
    bool isUnloaded() const { return m_unloaded; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    friend class MainWindowTestSeam;
    using Command = void (MainWindow::*)();

    void Form_Load();
    void Form_Unload();
    void Form_Resize();

    void FillFileList();
    void UpdateNewNames();
    void ShowExample();
    bool CheckDuplicates();
    void ShowPreview(int start);
    bool FileExists(const QString& path) const;

    void FolderTreeview1_Click();
    void cbJPG_Click();
    void cbBMP_Click();
    void cbGIF_Click();
    void cbPreview_Click();
    void obRenameAll_Click();
    void obRenameSelected_Click();
    void lvFiles_Click();
    void tbPre_Change();
    void tbStart_Change();
    void tbLen_Change();
    void bRename_Click();
    void bUndo_Click();
    void bExit_Click();
    void bAbout_Click();
    void Timer1_Timer();

    void connectHandlers();
    void runCommand(Command command);
    void showAndScan();
    bool settleInterruptedBatches();
    void centreOnScreen();
    void centreOnceFramed();
    void applySettings(const km::Settings& settings);
    void applyStartFolder();
    km::Settings currentSettings() const;
    void rescanUnlessLoading();
    void namingFieldChanged();
    km::RowsBatch renameOfListedRows() const;
    void markDuplicateTargets(const km::RowsBatch& batch, const km::BatchOutcome& outcome);
    void showRenameRefusal(const km::RowsBatch& batch, const km::BatchOutcome& outcome);
    void showFoundFiles();
    bool readListedFacts();
    void showDatesBeingRead();
    void datesRead();
    void showDatesRead();
    void takeListedFacts(km::DateReading::Dates facts);
    void showDateProgress(int done, int total);
    QString rowToolTip(int row) const;
    void chooseOrder(km::PhotoOrder order);
    void chooseCompanions(bool on);
    void chooseDate(km::DateInNames date);
    void chooseNumbers(km::DateNumbering numbers);
    km::PatternNames proposeNewNames(const km::NamingFields& fields, bool renameAll,
                                     const std::vector<bool>& selected) const;
    km::PatternNaming patternNaming(const km::NamePattern& pattern) const;
    void showLeftOutRows();
    void choosePattern(const QString& pattern);
    void chooseExtensionCase(km::fs::ExtensionCase extensionCase);
    void showNamePatternDialog();
    void readTrialPhotos();
    km::PatternTrial tryPattern(const QString& text) const;
    void chooseListing(bool km::Options::*choice, bool on);
    void saveOptions() const;
    void chooseKeepWindow(bool on);
    void chooseFollowFolder(bool on);
    void restoreListWidths();
    bool placeAsKept();
    void keepWindowPlace();
    km::WindowPlace windowPlace() const;
    void dragDivider(int pixels);
    bool folderChangedSinceListed();
    bool checkNamesAsTyped(const km::NamingFields& fields);
    QString duplicatesMessage() const;
    void showNote(const QString& note);
    void showOrderInHeader();
    void showEarlierRenames();
    void showCameraClocks();
    std::vector<km::PhotoFacts> listedCameraFacts() const;
    QSet<QString> selectedNames() const;
    bool selectKeptNames();
    void undoEarlierRename();

    // The controls, built and laid out by the form.
    MainForm m_form;

    // The window's shared state.
    QString CurrentFolder;
    QString SettingsFile;
    bool Loading = false;
    // The modifier mask of the keys held now: 1 Shift, 2 Ctrl, 4 Alt.
    static qint16 ShiftState();
    bool PreviewRunning = false;
    qint32 TickCount = 0;
    qint32 RescanDueTick = 0;
    QStringList FoundFiles;
    qint32 FoundCount = 0;
    // PreviewCount, PreviewLoaded, PreviewStart and PreviewDueTick.
    km::PreviewColumn Preview;
    QTimer* Timer1;
    // The three 16 x 16 file-type icons of the photo list.
    ImageList ilImgIcons;

    QString m_settingsFolder;
    QString m_startFolder;
    QString m_optionsFile;
    // The choices of the photo list's menu.
    km::Options m_options;
    // While the photos' metadata is read (for the order taken or a name pattern), what each row's
    // names and tooltip show: when it was taken, the camera it names, when a video was recorded,
    // where its date came from and how far its camera's clock moved it. Its names are FoundFiles.
    km::ArrangedRows m_rows;
    // The folder the list shows, and the names selected there while it is listed again.
    QString m_shownFolder;
    QSet<QString> m_keptSelection;
    // The photos the last proposal left out for want of a date or a value of the name pattern,
    // and which value each row lacks (with a pattern; empty when none lacks one).
    int m_leftOutCount = 0;
    // While names are checked as they are typed: the rows turned red for it, ascending, why each
    // row is, and the numbers' check.
    std::vector<int> m_checkedRows;
    std::vector<km::NameFault> m_rowNameFaults;
    km::NumberCheck m_numberCheck;
    // The example line shows a note of what a rename or an undo did.
    bool m_noteShown = false;
    std::vector<km::MissingValue> m_rowMissing;
    // The first photos the Name Pattern window names, with their metadata.
    struct TrialPhotos {
        QStringList names;
        km::RowTimes times;
        km::RowCameras cameras;
    } m_trialPhotos;
    // The dates taken of each scan's photos; a rescan reads only files that changed.
    km::DateReading m_dates;
    // The folder's RAW and sidecar files, listed with the photos while they follow them, and
    // which of them follow which row's photo.
    QStringList m_companionCandidates;
    // The inode numbers of the files the last scan listed, in no order.
    std::vector<quint64> m_listedFiles;
    km::CompanionPlan m_companions;
    // What the empty list says of the photos of types it leaves out; empty when there are none.
    QString m_unlistedPhotos;
    // Set by a scan: the companions must be planned again even if no new name changed.
    bool m_companionsStale = false;
    km::DiskFileOps m_fileOps;
    km::MessageBoxRecoveryQuestions m_recoveryQuestions;
    // The undo record UndoList, the journals of the batches and interrupted batches left
    // unanswered.
    km::RenameKeeper m_renames;
    // The earlier renames the "Earlier Renames" window lists, and the one chosen to be undone.
    std::vector<km::LoadedHistory> m_earlierRenames;
    int m_earlierChoice = -1;
    km::CommandQueue<Command> m_commands;
    // Until the window manager has framed the window, its frame is not known: centre it again then.
    bool m_centreWhenFramed = false;
    // The list's width when the divider was pressed, in twips.
    double m_listWidthAtPress = 0;
    // The folder as it stood when it was last listed, for the list that follows it.
    std::optional<km::fs::FolderStamp> m_listedStamp;
    bool m_unloaded = false;
};

} // namespace km
