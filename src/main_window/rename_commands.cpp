// SPDX-License-Identifier: MIT
// The window's commands that rename: Rename!, Undo and the undo of an earlier rename.
#include "batch/batch_words.h"
#include "dialogs/earlier_renames_dialog.h"
#include "dialogs/message_box.h"
#include "files/file_names.h"
#include "history/earlier_undo.h"
#include "listing/listing_choices.h"
#include "listing/rename_question.h"
#include "main_window/earlier_rename_rows.h"
#include "main_window/main_window.h"
#include "main_window/window_words.h"
#include "photo_list/list_view.h"
#include "photo_list/photo_list_model.h"
#include "widgets/busy_cursor.h"
#include "xpbutton/xpbutton.h"

#include <QLabel>
#include <algorithm>

namespace km {

void MainWindow::bRename_Click() {
    if (!settleInterruptedBatches())
        return;
    if (CheckDuplicates()) {
        ShowMessageBox(duplicatesMessage(), kStyleWarning, WindowWords::duplicatesTitle());
        return;
    }
    // The batch is the list as it stands at the click, whatever happens while the user answers.
    const km::RowsBatch batch = renameOfListedRows();
    if (const BatchRefusal refusal = companionRefusal(m_companions, FoundFiles);
        refusal.refused()) {
        ShowMessageBox(refusalText(refusal), kStyleWarning, WindowWords::renameTitle());
        return;
    }
    const km::GuessedDates guessed =
        km::guessedDates(m_rows.sources, m_form.lvFiles->photos().newNames());
    const int photos = static_cast<int>(batch.plan.pairs.size() - m_companions.pairs.size());
    const QString folder = km::fs::readableName(km::fs::folderNameOf(CurrentFolder));
    QString question = km::renameQuestionText(m_companions.pairs.size(), m_leftOutCount,
                                              m_options.namePattern().has_value(),
                                              guessed.fromNames, guessed.fromFileTimes);
    if (m_options.counts)
        question += QStringLiteral("\r\n") + WindowWords::photosInFolder(photos, folder);
    if (ShowMessageBox(question, kStyleQuestion, WindowWords::renameTitle()) != BoxAnswer::Yes)
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
    if (outcome.done && m_options.counts)
        showNote(WindowWords::renamedNote(photos, folder));
    if (outcome.done || !outcome.stranded.empty())
        m_form.bUndo->setEnabled(true);
    if (const QString message = batchMessage(outcome); !message.isEmpty())
        ShowMessageBox(message, kStyleWarning, WindowWords::renameTitle());
}

// A refused batch touched nothing. Rows it found in conflict turn red; otherwise the list is
// brought up to date, since the refusal may come from files that changed since the scan.
void MainWindow::showRenameRefusal(const km::RowsBatch& batch, const km::BatchOutcome& outcome) {
    if (outcome.duplicateTargets.empty())
        FillFileList();
    else
        markDuplicateTargets(batch, outcome);
    ShowMessageBox(batchMessage(outcome), kStyleWarning, WindowWords::renameTitle());
}

// The listed rows with a new name in row order, then their RAW and sidecar files.
km::RowsBatch MainWindow::renameOfListedRows() const {
    const km::PhotoListModel& photos = m_form.lvFiles->photos();
    const qsizetype rows = std::min<qsizetype>(FoundCount, photos.count());
    return km::renameOfRows(km::fs::withTrailingSeparator(CurrentFolder),
                            photos.names().mid(0, rows), photos.newNames().mid(0, rows),
                            m_companions, m_listedFiles);
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
    if (ShowMessageBox(WindowWords::undoQuestion(), kStyleQuestion, WindowWords::undoTitle()) !=
        BoxAnswer::Yes)
        return;
    m_form.bUndo->setEnabled(false);
    const int undoneFiles = static_cast<int>(m_renames.undoList().pairs.size());
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
    if (outcome.done && m_options.counts)
        showNote(WindowWords::undoneNote(undoneFiles));
    if (const QString message = batchMessage(outcome); !message.isEmpty())
        ShowMessageBox(message, kStyleWarning, WindowWords::undoTitle());
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
        ShowMessageBox(km::damagedRecordMessage(chosen.path, chosen.damage), kStyleWarning,
                       WindowWords::earlierRenamesTitle());
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
                       batchMessage(undone.outcome).isEmpty() && undone.plan.folderError.ok();
    ShowMessageBox(km::earlierUndoMessage(undone.plan, undone.outcome),
                   clean ? BoxInformation : kStyleWarning, WindowWords::earlierRenamesTitle());
}

// A note in the example line's place, in the text colour, until the example is shown again.
void MainWindow::showNote(const QString& note) {
    QPalette colours = m_form.lblExample->palette();
    colours.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
    m_form.lblExample->setPalette(colours);
    m_form.lblExample->setText(note);
    m_noteShown = true;
}

} // namespace km
