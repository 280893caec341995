// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace km {

// A strip between two panes that the user drags left or right; it only reports the drag.
class Divider : public QWidget {
    Q_OBJECT

public:
    explicit Divider(QWidget* parent = nullptr);

signals:
    void pressed();
    // How far the pointer has moved sideways since the press, in pixels.
    void dragged(int pixels);
    void released();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_pressedAt = 0;
    bool m_dragging = false;
};

} // namespace km
