// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace km {

// A frame in the highlight colour drawn over a control while the keyboard brought the focus to
// it (Tab, Shift+Tab, an access key), so that a user who moves with the keyboard sees where it
// is; a click, which shows that by itself, takes it away. It lets the mouse through.
class FocusFrame : public QWidget {
    Q_OBJECT

public:
    explicit FocusFrame(QWidget& control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget& m_control;
};

} // namespace km
