// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

namespace km {

// Style flags of a message box; one button flag may be combined with one icon.
enum BoxStyleFlag : qint32 {
    BoxOkOnly = 0,
    BoxOkCancel = 1,
    BoxYesNo = 4,
    BoxStop = 16,
    BoxQuestion = 32,
    BoxExclamation = BoxStop | BoxQuestion,
    BoxInformation = 64,
};

// The styles the program's boxes use: a warning with OK, and a Yes/No question.
constexpr qint32 kStyleWarning = BoxExclamation;
constexpr qint32 kStyleQuestion = BoxYesNo | BoxQuestion;

// The answer of a message box: the button pressed. None until a box has been answered.
enum class BoxAnswer : qint32 { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The message box module's state: the call and the dialog talk only through it. It keeps the
// last call's values until the next call.
struct MessageBoxState {
    QString BoxPrompt;
    qint32 BoxStyle = 0;
    QString BoxTitle;
    BoxAnswer BoxResult = BoxAnswer::None;
};

} // namespace km
