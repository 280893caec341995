// SPDX-License-Identifier: MIT
#include "dialogs/message_box_icons.h"

namespace km {

ImageList loadMessageBoxIcons() {
    ImageList icons;
    icons.add(BoxIconQuestion, QPixmap(QStringLiteral(":/messagebox/question.png")));
    icons.add(BoxIconExclamation, QPixmap(QStringLiteral(":/messagebox/exclamation.png")));
    icons.add(BoxIconStop, QPixmap(QStringLiteral(":/messagebox/stop.png")));
    icons.add(BoxIconInformation, QPixmap(QStringLiteral(":/messagebox/information.png")));
    return icons;
}

} // namespace km
