// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

namespace km {

// One-pixel lines of one colour on a pixel grid, as the button's faces are drawn: a line sets
// the pixels from its start point up to, but not including, its end point.
class FaceCanvas {
public:
    explicit FaceCanvas(QPainter& painter);

    void line(QPoint from, QPoint to, const QColor& colour);
    // A line from the end point of the line before.
    void lineTo(QPoint to, const QColor& colour);

private:
    void straightLine(QPoint from, QPoint to, const QColor& colour);
    void slantedLine(QPoint from, QPoint to, const QColor& colour);

    QPainter& m_painter;
    QPoint m_last;
};

} // namespace km
