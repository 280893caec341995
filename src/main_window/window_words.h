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
    // The question before a rename; it counts the RAW and sidecar files renamed with the photos
    // and the photos left out for want of a date taken, or of a value their name pattern shows.
    static QString renameQuestion(std::size_t companions, int leftOut, bool byPattern,
                                  int datedFromNames = 0, int datedFromFileTimes = 0);
    static QString undoQuestion() { return tr("Do you want to UNDO the last rename operation?"); }
    static QString damagedHistory(const QString& path, const QString& damage);
    static QString readingDates(int percent);
    static QString originalNameHeader(bool inOrderTaken);
    static QString newNameHeader() { return tr("New Name"); }
    // What a photo without a date reads as its new name when dates are in the names.
    static QString noDateTaken() { return tr("(no date taken)"); }
};

} // namespace km
