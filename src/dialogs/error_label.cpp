// SPDX-License-Identifier: MIT
#include "dialogs/error_label.h"

#include <QLabel>

namespace km {

QLabel* createErrorLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblError"));
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #d03030;"));
    return label;
}

} // namespace km
