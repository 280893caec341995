// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/image_list.h"

namespace km {

// Keys of the four message box icons, in the order the icon list holds them.
inline constexpr char BoxIconQuestion[] = "MB_QUESTION";
inline constexpr char BoxIconExclamation[] = "MB_EXCLAMATION";
inline constexpr char BoxIconStop[] = "MB_STOP";
inline constexpr char BoxIconInformation[] = "MB_INFORMATION";

// The four 32 x 32 message box icons, keyed MB_QUESTION, MB_EXCLAMATION, MB_STOP and
// MB_INFORMATION in that order, painted on the box's back colour.
ImageList loadMessageBoxIcons();

} // namespace km
