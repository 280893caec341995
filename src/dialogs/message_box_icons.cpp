#include "dialogs/message_box_icons.h"

#include "dialogs/message_box_style.h"

namespace km {

ImageList loadMessageBoxIcons() {
    ImageList icons;
    icons.add(box::KeyQuestion, QPixmap(QStringLiteral(":/messagebox/question.png")));
    icons.add(box::KeyExclamation, QPixmap(QStringLiteral(":/messagebox/exclamation.png")));
    icons.add(box::KeyStop, QPixmap(QStringLiteral(":/messagebox/stop.png")));
    icons.add(box::KeyInformation, QPixmap(QStringLiteral(":/messagebox/information.png")));
    return icons;
}

} // namespace km
