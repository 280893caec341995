// SPDX-License-Identifier: MIT
#include "main_window/window_words.h"

namespace km {

QString WindowWords::duplicatesFound() {
    return tr("Can't rename since this will result\r\n"
              "in duplicate filenames. These are\r\n"
              "shown in RED in the file list.");
}

QString WindowWords::renameQuestion(std::size_t companions, int leftOut, bool byPattern,
                                    int datedFromNames, int datedFromFileTimes) {
    QString question = tr("Are you absolutely sure you want to\r\nrename these images?");
    if (companions == 1)
        question += QStringLiteral("\r\n") + tr("1 RAW or sidecar file is renamed with them.");
    else if (companions > 1)
        question += QStringLiteral("\r\n") +
                    tr("%1 RAW and sidecar files are renamed with them.").arg(companions);
    if (leftOut == 1)
        question +=
            QStringLiteral("\r\n") +
            (byPattern ? tr("1 photo without a value its name pattern needs keeps its name.")
                       : tr("1 photo without a date taken keeps its name."));
    else if (leftOut > 1)
        question +=
            QStringLiteral("\r\n") +
            (byPattern ? tr("%1 photos without a value their name pattern needs keep their names.")
                       : tr("%1 photos without a date taken keep their names."))
                .arg(leftOut);
    if (datedFromNames == 1)
        question += QStringLiteral("\r\n") + tr("1 photo is dated from its name.");
    else if (datedFromNames > 1)
        question += QStringLiteral("\r\n") +
                    tr("%1 photos are dated from their names.").arg(datedFromNames);
    if (datedFromFileTimes == 1)
        question += QStringLiteral("\r\n") + tr("1 photo is dated from its file's time.");
    else if (datedFromFileTimes > 1)
        question += QStringLiteral("\r\n") +
                    tr("%1 photos are dated from their files' times.").arg(datedFromFileTimes);
    return question;
}

QString WindowWords::damagedHistory(const QString& path, const QString& damage) {
    return tr("The record %1 is damaged (%2); nothing was renamed.")
        .arg(QLatin1Char('"') + path + QLatin1Char('"'), damage);
}

QString WindowWords::readingDates(int percent) {
    return tr("Reading dates taken: %1%").arg(percent);
}

QString WindowWords::originalNameHeader(bool inOrderTaken) {
    return inOrderTaken ? tr("Original Name (in order taken)") : tr("Original Name");
}

} // namespace km
