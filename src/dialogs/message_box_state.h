#pragma once

#include <QString>
#include <QtGlobal>

// The message box module's state: the call and the dialog talk only through it. It keeps the
// last call's values until the next call.
struct MessageBoxState {
    QString BoxPrompt;
    qint32 BoxStyle = 0;
    QString BoxTitle;
    qint32 BoxResult = 0;
};
