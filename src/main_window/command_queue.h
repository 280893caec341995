// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <deque>

namespace km {

// Runs commands one at a time. A command that arrives while another runs (during its event
// deliveries: a question may be open) waits until that one has ended, oldest first; one already
// waiting is not queued twice. `Command` is anything comparable that `run` can carry out.
template <typename Command> class CommandQueue {
public:
    // Runs command now with run(command), or queues it while another runs. Nothing runs, and the
    // queue is dropped, once stopped() says so.
    template <typename Run, typename Stopped>
    void runOrQueue(Command command, Run run, Stopped stopped) {
        if (m_running) {
            if (std::find(m_waiting.begin(), m_waiting.end(), command) == m_waiting.end())
                m_waiting.push_back(command);
            return;
        }
        m_running = true;
        if (!stopped())
            run(command);
        while (!m_waiting.empty() && !stopped()) {
            const Command next = m_waiting.front();
            m_waiting.pop_front();
            run(next);
        }
        m_waiting.clear();
        m_running = false;
    }

    bool isRunning() const { return m_running; }

private:
    bool m_running = false;
    std::deque<Command> m_waiting;
};

} // namespace km
