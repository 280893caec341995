// SPDX-License-Identifier: MIT
#include "batch/batch_words.h"

#include "files/message_text.h"

#include <QCoreApplication>
#include <QStringList>
#include <cerrno>

namespace km {

namespace {

class BatchWords {
    Q_DECLARE_TR_FUNCTIONS(BatchWords)

public:
    static QString occupant(EntryKind kind) {
        switch (kind) {
        case EntryKind::File:
            return tr("a file");
        case EntryKind::Folder:
            return tr("a folder");
        default:
            return tr("another entry");
        }
    }

    // The reason after "Can't rename "a" to "b":", without its full stop.
    static QString reason(const BatchRefusal& r) {
        using Kind = BatchRefusal::Kind;
        switch (r.kind) {
        case Kind::InvalidName:
            return tr("%1 is not a valid file name: %2")
                .arg(quoted(r.name), nameFaultText(r.fault, r.name));
        case Kind::HiddenName:
            return tr("%1 would be a hidden file").arg(quoted(r.to));
        case Kind::ListedTwice:
            return tr("%1 is listed twice").arg(quoted(r.from));
        case Kind::SameNewName:
            return tr("%1 is also the new name of %2").arg(quoted(r.to), quoted(r.other));
        case Kind::NewNameIsTemporary:
            return tr("%1 is also the temporary name used while renaming %2")
                .arg(quoted(r.to), quoted(r.other));
        case Kind::SourceMissing:
            return tr("%1 is no longer in the folder").arg(quoted(r.from));
        case Kind::SourceUnexaminable:
            return tr("%1 cannot be examined").arg(quoted(r.from));
        case Kind::SourceNotPlainFile:
            return tr("%1 is not a plain file").arg(quoted(r.from));
        case Kind::SourceReplaced:
            return tr("%1 was replaced by another file since the list was made")
                .arg(quoted(r.from));
        case Kind::NewNameTaken:
            return tr("%1 is already taken by %2").arg(quoted(r.to), occupant(r.occupant));
        case Kind::NewNameUncheckable:
            return tr("%1 cannot be checked in the folder").arg(quoted(r.to));
        case Kind::TemporaryTaken:
            return tr("its temporary name %1 is already taken by %2")
                .arg(quoted(r.name), occupant(r.occupant));
        case Kind::TemporaryUncheckable:
            return tr("its temporary name %1 cannot be checked in the folder").arg(quoted(r.name));
        default:
            return {};
        }
    }

    static QString nothingRenamed() { return tr("Nothing was renamed."); }

    static QStringList refusalLines(const BatchRefusal& r) {
        using Kind = BatchRefusal::Kind;
        switch (r.kind) {
        case Kind::None:
            return {};
        case Kind::FolderUnreadable:
            return {tr("The folder %1 cannot be read: %2.").arg(quoted(r.name), r.error.message),
                    nothingRenamed()};
        case Kind::JournalNotWritten:
            return {r.error.message, nothingRenamed()};
        case Kind::CompanionShared:
            return {tr("Can't rename %1 with its photo:").arg(quoted(r.name)),
                    tr("it belongs to %1.").arg(quotedClaimants(r.claimants)), nothingRenamed()};
        default:
            return {tr("Can't rename %1 to %2:").arg(quoted(r.from), quoted(r.to)),
                    reason(r) + QLatin1Char('.'), nothingRenamed()};
        }
    }

    static QStringList failureLines(const BatchOutcome& outcome) {
        const BatchOutcome::FailedMove& failed = *outcome.failure;
        QStringList lines{tr("Renaming %1 to %2 failed: %3.")
                              .arg(quoted(failed.from), quoted(failed.to), failed.error.message)};
        if (outcome.leftBehind.empty()) {
            lines << tr("Every file that was moved has its previous name again.");
            return lines;
        }
        lines << tr("These files could not be given their previous names back:");
        for (const BatchOutcome::LeftBehind& file : outcome.leftBehind) {
            // A file another program moved away or deleted meanwhile is under no name of the batch.
            if (file.error.code == ENOENT)
                lines << tr("%1 was last named %2 and is no longer in the folder.")
                             .arg(quoted(file.before), quoted(file.now));
            else
                lines << tr("%1 is now named %2 (%3).")
                             .arg(quoted(file.before), quoted(file.now), file.error.message);
        }
        return lines;
    }

private:
    static QString quotedClaimants(const QStringList& names) {
        QStringList shown;
        for (const QString& name : names)
            shown << quoted(name);
        return shown.join(tr(" and to "));
    }
};

} // namespace

QString nameFaultText(NameFault fault, const QString& name) {
    switch (fault) {
    case NameFault::None:
        return {};
    case NameFault::Empty:
        return BatchWords::tr("the name is empty");
    case NameFault::Dots:
        return BatchWords::tr("\".\" and \"..\" cannot be file names");
    case NameFault::Slash:
        return BatchWords::tr("a file name cannot contain \"/\"");
    case NameFault::Nul:
        return BatchWords::tr("a file name cannot contain a NUL character");
    case NameFault::TooLong:
        return BatchWords::tr("the name is longer than 255 bytes");
    case NameFault::TemporaryTooLong:
        return BatchWords::tr("its temporary name %1 would be longer than 255 bytes")
            .arg(quoted(temporaryName(name)));
    }
    return {};
}

QString refusalText(const BatchRefusal& refusal) {
    return joinLines(BatchWords::refusalLines(refusal));
}

QString batchMessage(const BatchOutcome& outcome) {
    QStringList lines = BatchWords::refusalLines(outcome.refusal);
    if (outcome.failure)
        lines << BatchWords::failureLines(outcome);
    for (const fs::FileError& error : outcome.bookkeepingErrors)
        lines << error.message;
    return joinLines(lines);
}

} // namespace km
