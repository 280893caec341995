// SPDX-License-Identifier: MIT
#include "dialogs/message_box_content.h"

#include "dialogs/message_box_icons.h"

#include <QCoreApplication>

namespace km {

namespace {

bool hasFlags(qint32 style, qint32 flags) {
    return (style & flags) == flags;
}

QString iconKeyFor(qint32 style) {
    // Tested in this order, each match replacing the one before, so 16 + 32 is the exclamation
    // icon and any style with 64 shows the information icon.
    QString key;
    if (hasFlags(style, BoxStop))
        key = BoxIconStop;
    if (hasFlags(style, BoxQuestion))
        key = BoxIconQuestion;
    if (hasFlags(style, BoxExclamation))
        key = BoxIconExclamation;
    if (hasFlags(style, BoxInformation))
        key = BoxIconInformation;
    return key;
}

} // namespace

MessageBoxContent messageBoxContent(qint32 style) {
    MessageBoxContent content;
    content.yesOkCaption = QCoreApplication::translate("MessageBox", "OK");
    content.yesOkResult = BoxAnswer::Ok;
    if (hasFlags(style, BoxOkCancel)) {
        content.noCancelCaption = QCoreApplication::translate("MessageBox", "Cancel");
        content.noCancelShown = true;
        content.noCancelResult = BoxAnswer::Cancel;
    }
    // After the OK/Cancel test, so a style with both button flags asks Yes/No.
    if (hasFlags(style, BoxYesNo)) {
        content.yesOkCaption = QCoreApplication::translate("MessageBox", "Yes");
        content.noCancelCaption = QCoreApplication::translate("MessageBox", "No");
        content.noCancelShown = true;
        content.yesOkResult = BoxAnswer::Yes;
        content.noCancelResult = BoxAnswer::No;
    }
    content.iconKey = iconKeyFor(style);
    return content;
}

} // namespace km
