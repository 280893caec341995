// SPDX-License-Identifier: MIT
#include "widgets/shape.h"

#include <QPainter>

namespace km {

Shape::Shape(QColor fill, QWidget* parent) : QWidget(parent), m_fill(fill) {}

void Shape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace km
