// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

namespace km {

// A timer that ticks every interval while it is enabled; an interval of 0 keeps it silent even
// when enabled. Setting the interval it already runs with does not restart the count.
class PollingTimer : public QObject {
    Q_OBJECT

public:
    explicit PollingTimer(QObject* parent = nullptr);

    void setEnabled(bool enabled);

    void setInterval(int milliseconds);

    bool isTicking() const { return m_timer.isActive(); }

signals:
    void Timer();

private:
    void apply();

    bool m_enabled = true;
    int m_interval = 0;
    QTimer m_timer;
};

} // namespace km
