// SPDX-License-Identifier: MIT
#include "main_window/window_words.h"

namespace km {

QString WindowWords::duplicatesFound() {
    return tr("Can't rename since this will result\r\n"
              "in duplicate filenames. These are\r\n"
              "shown in RED in the file list.");
}

QString WindowWords::readingDates(int percent) {
    return tr("Reading dates taken: %1%").arg(percent);
}

QString WindowWords::originalNameHeader(bool inOrderTaken) {
    return inOrderTaken ? tr("Original Name (in order taken)") : tr("Original Name");
}

} // namespace km
