// SPDX-License-Identifier: MIT
#include "xpbutton/polling_timer.h"

namespace km {

PollingTimer::PollingTimer(QObject* parent) : QObject(parent) {
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PollingTimer::Timer);
}

void PollingTimer::setEnabled(bool enabled) {
    m_enabled = enabled;
    apply();
}

void PollingTimer::setInterval(int milliseconds) {
    m_interval = milliseconds;
    apply();
}

void PollingTimer::apply() {
    if (!m_enabled || m_interval <= 0) {
        m_timer.stop();
        return;
    }
    if (!m_timer.isActive() || m_timer.interval() != m_interval)
        m_timer.start(m_interval);
}

} // namespace km
