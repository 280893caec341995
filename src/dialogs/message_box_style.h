#pragma once

#include <QString>
#include <QtGlobal>

namespace km::box {

// Style flags of a message box; one button flag may be combined with one icon.
inline constexpr qint32 StyleOkOnly = 0;
inline constexpr qint32 StyleOkCancel = 1;
inline constexpr qint32 StyleYesNo = 4;
inline constexpr qint32 StyleStop = 16;
inline constexpr qint32 StyleQuestion = 32;
inline constexpr qint32 StyleExclamation = StyleStop | StyleQuestion;
inline constexpr qint32 StyleInformation = 64;

// Answer codes, one per button caption.
inline constexpr qint32 AnswerOk = 1;
inline constexpr qint32 AnswerCancel = 2;
inline constexpr qint32 AnswerYes = 6;
inline constexpr qint32 AnswerNo = 7;

// Keys of the four message box icons, in the order the icon list holds them.
inline constexpr char KeyQuestion[] = "MB_QUESTION";
inline constexpr char KeyExclamation[] = "MB_EXCLAMATION";
inline constexpr char KeyStop[] = "MB_STOP";
inline constexpr char KeyInformation[] = "MB_INFORMATION";

} // namespace km::box

namespace km {

// What a message box shows and answers for one style value.
struct MessageBoxContent {
    QString yesOkCaption;
    QString noCancelCaption;
    bool noCancelShown = false;
    qint32 yesOkResult = 0;
    qint32 noCancelResult = 0;
    QString iconKey; // empty: no icon

    // The answer when the box is closed without a button: never one that agrees to anything.
    qint32 closeResult() const { return noCancelShown ? box::AnswerCancel : box::AnswerOk; }
};

// Reads the style flags; bits other than the button and icon flags are ignored.
MessageBoxContent messageBoxContent(qint32 style);

} // namespace km
