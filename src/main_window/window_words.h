// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>
#include <cstddef>

namespace km {

// The main window's own sentences and titles, in the user's language.
class WindowWords {
    Q_DECLARE_TR_FUNCTIONS(WindowWords)

public:
    static QString renameTitle() { return tr("Rename Images"); }
    static QString undoTitle() { return tr("Undo Rename"); }
    static QString earlierRenamesTitle() { return tr("Earlier Renames"); }
    static QString duplicatesTitle() { return tr("Duplicates found"); }
    static QString duplicatesFound();
    // "IMG_1.JPG -> foto_001.JPG: foto_001.JPG is the name of a file that keeps it."
    static QString firstClash(const QString& rowName, const QString& why) {
        return tr("First: %1, as %2.").arg(rowName, why);
    }
    // Why Rename! is off while names are checked as they are typed.
    static QString renameOffText(const QString& name, const QString& why) {
        return tr("Rename! is off: %1 cannot be a file name, as %2.").arg(name, why);
    }
    // While the photo list's menu asks for counts: the question's line of what is renamed, and the
    // note in the example line's place after a rename or an undo.
    static QString photosInFolder(int photos, const QString& folder) {
        return (photos == 1 ? tr("1 photo in %1.") : tr("%1 photos in %2.").arg(photos))
            .arg(folder);
    }
    static QString renamedNote(int photos, const QString& folder) {
        return (photos == 1
                    ? tr("(1 photo renamed in %1. Undo gives its name back.)")
                    : tr("(%1 photos renamed in %2. Undo gives their names back.)").arg(photos))
            .arg(folder);
    }
    static QString undoneNote(int files) {
        return files == 1 ? tr("(1 file has its name back.)")
                          : tr("(%1 files have their names back.)").arg(files);
    }
    static QString undoQuestion() { return tr("Do you want to UNDO the last rename operation?"); }
    static QString readingDates(int percent);
    static QString originalNameHeader(bool inOrderTaken);
    static QString newNameHeader() { return tr("New Name"); }
    // What a photo without a date reads as its new name when dates are in the names.
    static QString noDateTaken() { return tr("(no date taken)"); }
};

} // namespace km
