// SPDX-License-Identifier: MIT
#include "listing/rename_question.h"

#include <QCoreApplication>

namespace km {

namespace {

// The question was first the window's: its sentences keep that translation context.
class QuestionWords {
    Q_DECLARE_TR_FUNCTIONS(WindowWords)
};

} // namespace

QString renameQuestionText(std::size_t companions, int leftOut, bool byPattern, int datedFromNames,
                           int datedFromFileTimes) {
    QString question =
        QuestionWords::tr("Are you absolutely sure you want to\r\nrename these images?");
    for (const QString& line :
         renameCounts(companions, leftOut, byPattern, datedFromNames, datedFromFileTimes))
        question += QStringLiteral("\r\n") + line;
    return question;
}

QStringList renameCounts(std::size_t companions, int leftOut, bool byPattern, int datedFromNames,
                         int datedFromFileTimes) {
    QString question;
    if (companions == 1)
        question += QStringLiteral("\r\n") +
                    QuestionWords::tr("1 RAW or sidecar file is renamed with them.");
    else if (companions > 1)
        question +=
            QStringLiteral("\r\n") +
            QuestionWords::tr("%1 RAW and sidecar files are renamed with them.").arg(companions);
    if (leftOut == 1)
        question +=
            QStringLiteral("\r\n") +
            (byPattern ? QuestionWords::tr(
                             "1 photo without a value its name pattern needs keeps its name.")
                       : QuestionWords::tr("1 photo without a date taken keeps its name."));
    else if (leftOut > 1)
        question +=
            QStringLiteral("\r\n") +
            (byPattern ? QuestionWords::tr(
                             "%1 photos without a value their name pattern needs keep their names.")
                       : QuestionWords::tr("%1 photos without a date taken keep their names."))
                .arg(leftOut);
    if (datedFromNames == 1)
        question += QStringLiteral("\r\n") + QuestionWords::tr("1 photo is dated from its name.");
    else if (datedFromNames > 1)
        question += QStringLiteral("\r\n") +
                    QuestionWords::tr("%1 photos are dated from their names.").arg(datedFromNames);
    if (datedFromFileTimes == 1)
        question +=
            QStringLiteral("\r\n") + QuestionWords::tr("1 photo is dated from its file's time.");
    else if (datedFromFileTimes > 1)
        question += QStringLiteral("\r\n") +
                    QuestionWords::tr("%1 photos are dated from their files' times.")
                        .arg(datedFromFileTimes);
    return question.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

} // namespace km
