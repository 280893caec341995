// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace km {

// A rectangle with an opaque fill and a one-pixel outline in the window-text colour.
class Shape : public QWidget {
    Q_OBJECT

public:
    explicit Shape(QColor fill, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_fill;
};

} // namespace km
