#include "dialogs/message_box_style.h"

namespace km {

namespace {

bool hasFlags(qint32 style, qint32 flags) {
    return (style & flags) == flags;
}

QString iconKeyFor(qint32 style) {
    // Tested in this order, each match replacing the one before, so 16 + 32 is the exclamation
    // icon and any style with 64 shows the information icon.
    QString key;
    if (hasFlags(style, box::StyleStop))
        key = box::KeyStop;
    if (hasFlags(style, box::StyleQuestion))
        key = box::KeyQuestion;
    if (hasFlags(style, box::StyleExclamation))
        key = box::KeyExclamation;
    if (hasFlags(style, box::StyleInformation))
        key = box::KeyInformation;
    return key;
}

} // namespace

MessageBoxContent messageBoxContent(qint32 style) {
    MessageBoxContent content;
    content.yesOkCaption = QStringLiteral("OK");
    content.yesOkResult = box::AnswerOk;
    if (hasFlags(style, box::StyleOkCancel)) {
        content.noCancelCaption = QStringLiteral("Cancel");
        content.noCancelShown = true;
        content.noCancelResult = box::AnswerCancel;
    }
    // After the OK/Cancel test, so a style with both button flags asks Yes/No.
    if (hasFlags(style, box::StyleYesNo)) {
        content.yesOkCaption = QStringLiteral("Yes");
        content.noCancelCaption = QStringLiteral("No");
        content.noCancelShown = true;
        content.yesOkResult = box::AnswerYes;
        content.noCancelResult = box::AnswerNo;
    }
    content.iconKey = iconKeyFor(style);
    return content;
}

} // namespace km
