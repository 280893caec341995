#pragma once

#include "platform/image_list.h"

namespace km {

// The four 32 x 32 message box icons, keyed MB_QUESTION, MB_EXCLAMATION, MB_STOP and
// MB_INFORMATION in that order, painted on the box's back colour.
ImageList loadMessageBoxIcons();

} // namespace km
