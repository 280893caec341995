// SPDX-License-Identifier: MIT
#include "widgets/divider.h"

#include <QMouseEvent>

namespace km {

Divider::Divider(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::SplitHCursor);
}

void Divider::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressedAt = qRound(event->globalPosition().x());
    emit pressed();
}

void Divider::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging)
        emit dragged(qRound(event->globalPosition().x()) - m_pressedAt);
}

void Divider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    emit released();
}

} // namespace km
