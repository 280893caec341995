// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>

namespace km::bench {

// Processor time of the calling thread: other programs sharing the machine do not count.
inline double threadSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

} // namespace km::bench
