// SPDX-License-Identifier: MIT
#include "terminal/terminal_commands.h"

#include "batch/batch_words.h"
#include "batch/file_ops.h"
#include "files/file_names.h"
#include "history/earlier_rename_texts.h"
#include "history/earlier_undo.h"
#include "rename/rename_keeper.h"
#include "terminal/terminal_recovery.h"
#include "terminal/terminal_rename_plan.h"
#include "terminal/terminal_writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <cstdio>

namespace km {

namespace {

class TerminalCommandWords {
    Q_DECLARE_TR_FUNCTIONS(TerminalCommandWords)
};

// The signals that end a program are held while a batch moves files, and delivered after.
class EndingSignalsHeld {
public:
    EndingSignalsHeld() {
        sigemptyset(&m_held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT})
            sigaddset(&m_held, signal);
        pthread_sigmask(SIG_BLOCK, &m_held, &m_before);
    }
    // What was written is out before a signal held meanwhile ends the program.
    ~EndingSignalsHeld() {
        std::fflush(nullptr);
        pthread_sigmask(SIG_SETMASK, &m_before, nullptr);
    }
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t m_held;
    sigset_t m_before;
};

int statusOf(const BatchOutcome& outcome) {
    if (!outcome.touched)
        return kTerminalRefused;
    if (!outcome.stranded.empty() || !outcome.leftBehind.empty())
        return kTerminalStranded;
    return outcome.done ? kTerminalDone : kTerminalFailedAndRestored;
}

QString absoluteFolder(const QString& given) {
    return fs::withTrailingSeparator(QDir::cleanPath(QFileInfo(given).absoluteFilePath()));
}

// A rename or an undo waits for the interrupted batches a crash left: they are named with what
// to run, and settled only by `recover`. True when none is left.
bool noInterruptedBatch(RenameKeeper& keeper, TerminalRecovery& recovery, TerminalWriter& writer) {
    keeper.recoverAtStart();
    if (keeper.settle().mayGoOn)
        return true;
    for (const QString& folder : recovery.unsettledFolders())
        writer.problem(TerminalCommandWords::tr("A rename in %1 was cut short; settle it first "
                                                "with: kestrelmark recover %2 --finish (or "
                                                "--roll-back)")
                           .arg(fs::readableName(folder), fs::readableName(folder)));
    return false;
}

int rename(const TerminalRequest& request, const TerminalPlaces& places, TerminalWriter& writer) {
    TerminalRenamePlan plan = planTerminalRename(request.rename, places);
    if (!plan.usage.isEmpty()) {
        writer.usage(plan.usage);
        return kTerminalUsage;
    }
    if (!plan.problem.isEmpty()) {
        writer.problem(plan.problem);
        return kTerminalRefused;
    }
    writer.plan(plan, request.rename.apply);
    if (plan.refused())
        return kTerminalRefused;
    if (!request.rename.apply || plan.batch.plan.pairs.empty())
        return kTerminalDone;
    DiskFileOps ops;
    TerminalRecovery recovery({}, std::nullopt, writer);
    RenameKeeper keeper(places.journalFolder, ops, recovery);
    if (!noInterruptedBatch(keeper, recovery, writer))
        return kTerminalRefused;
    const EndingSignalsHeld held;
    const BatchOutcome outcome = keeper.rename(plan.batch.plan);
    writer.outcome(outcome, batchMessage(outcome), plan.batch.plan.pairs.size(), true);
    return statusOf(outcome);
}

// The recorded batches of one folder, or of all when none is named.
std::vector<LoadedHistory> recordedBatches(const RenameKeeper& keeper, const QString& folder) {
    std::vector<LoadedHistory> batches = keeper.earlierRenames();
    if (folder.isEmpty())
        return batches;
    const QString wanted = absoluteFolder(folder);
    std::erase_if(batches, [&wanted](const LoadedHistory& loaded) {
        return !loaded.entry || fs::withTrailingSeparator(loaded.entry->folder) != wanted;
    });
    return batches;
}

int history(const TerminalRequest& request, const TerminalPlaces& places, TerminalWriter& writer) {
    DiskFileOps ops;
    TerminalRecovery recovery({}, std::nullopt, writer);
    const RenameKeeper keeper(places.journalFolder, ops, recovery);
    writer.history(earlierRenameTexts(recordedBatches(keeper, request.folder), ops));
    return kTerminalDone;
}

int undo(const TerminalRequest& request, const TerminalPlaces& places, TerminalWriter& writer) {
    DiskFileOps ops;
    TerminalRecovery recovery({}, std::nullopt, writer);
    RenameKeeper keeper(places.journalFolder, ops, recovery);
    const std::vector<LoadedHistory> batches = keeper.earlierRenames();
    if (request.batch > static_cast<int>(batches.size())) {
        writer.usage(batches.empty()
                         ? TerminalCommandWords::tr("no rename is recorded")
                         : TerminalCommandWords::tr("there is no batch %1: history lists %2")
                               .arg(request.batch)
                               .arg(batches.size()));
        return kTerminalUsage;
    }
    const LoadedHistory& chosen = batches[static_cast<std::size_t>(request.batch - 1)];
    if (!chosen.entry) {
        writer.problem(damagedRecordMessage(chosen.path, chosen.damage));
        return kTerminalRefused;
    }
    if (!noInterruptedBatch(keeper, recovery, writer))
        return kTerminalRefused;
    const EndingSignalsHeld held;
    const RenameKeeper::EarlierUndo undone = keeper.undoEarlier(*chosen.entry);
    writer.outcome(undone.outcome, earlierUndoMessage(undone.plan, undone.outcome),
                   undone.plan.goingBack.pairs.size(), false);
    return statusOf(undone.outcome);
}

int recover(const TerminalRequest& request, const TerminalPlaces& places, TerminalWriter& writer) {
    DiskFileOps ops;
    TerminalRecovery recovery(absoluteFolder(request.folder), request.direction, writer);
    RenameKeeper keeper(places.journalFolder, ops, recovery);
    const EndingSignalsHeld held;
    keeper.recoverAtStart();
    if (!recovery.settledAny()) {
        writer.problem(TerminalCommandWords::tr("No rename in %1 was cut short.")
                           .arg(fs::readableName(request.folder)));
        return kTerminalRefused;
    }
    return recovery.filesLeft() ? kTerminalStranded : kTerminalDone;
}

} // namespace

int runTerminalCommand(const TerminalRequest& request, const TerminalPlaces& places,
                       const TerminalStreams& streams) {
    TerminalWriter writer(streams, request.json);
    switch (request.kind) {
    case TerminalRequest::Kind::None:
        return kTerminalUsage;
    case TerminalRequest::Kind::Help:
        writer.text(request.message);
        return kTerminalDone;
    case TerminalRequest::Kind::Refused:
        writer.usage(request.message);
        return kTerminalUsage;
    case TerminalRequest::Kind::Rename:
        return rename(request, places, writer);
    case TerminalRequest::Kind::History:
        return history(request, places, writer);
    case TerminalRequest::Kind::Undo:
        return undo(request, places, writer);
    case TerminalRequest::Kind::Recover:
        return recover(request, places, writer);
    }
    return kTerminalUsage;
}

} // namespace km
