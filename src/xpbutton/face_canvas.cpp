// SPDX-License-Identifier: MIT
#include "xpbutton/face_canvas.h"

#include <QPainter>
#include <cstdlib>

namespace km {

FaceCanvas::FaceCanvas(QPainter& painter) : m_painter(painter) {}

void FaceCanvas::line(QPoint from, QPoint to, const QColor& colour) {
    if (from.x() == to.x() || from.y() == to.y())
        straightLine(from, to, colour);
    else
        slantedLine(from, to, colour);
    m_last = to;
}

void FaceCanvas::lineTo(QPoint to, const QColor& colour) {
    line(m_last, to, colour);
}

void FaceCanvas::straightLine(QPoint from, QPoint to, const QColor& colour) {
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (dx == 0 && dy == 0)
        return;
    // The run of pixels from the start towards the end, the end itself left out.
    const int left = dx >= 0 ? from.x() : to.x() + 1;
    const int top = dy >= 0 ? from.y() : to.y() + 1;
    const int width = dx == 0 ? 1 : std::abs(dx);
    const int height = dy == 0 ? 1 : std::abs(dy);
    m_painter.fillRect(left, top, width, height, colour);
}

void FaceCanvas::slantedLine(QPoint from, QPoint to, const QColor& colour) {
    const int dx = std::abs(to.x() - from.x());
    const int dy = -std::abs(to.y() - from.y());
    const int stepX = from.x() < to.x() ? 1 : -1;
    const int stepY = from.y() < to.y() ? 1 : -1;
    int error = dx + dy;
    QPoint point = from;
    while (point != to) {
        m_painter.fillRect(point.x(), point.y(), 1, 1, colour);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            point.rx() += stepX;
        }
        if (doubled <= dx) {
            error += dx;
            point.ry() += stepY;
        }
    }
}

} // namespace km
