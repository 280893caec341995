// SPDX-License-Identifier: MIT
#pragma once

#include <unistd.h>
#include <utility>

namespace km::fs {

// An open file descriptor, closed when it goes; -1 holds none.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
    ~FileDescriptor() { reset(); }
    FileDescriptor(FileDescriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FileDescriptor& operator=(FileDescriptor&& other) noexcept {
        if (this != &other) {
            reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }

    int get() const { return m_fd; }
    // Gives the descriptor up to the caller, who closes it; holds none afterwards.
    int release() { return std::exchange(m_fd, -1); }
    // Closes the descriptor held, if any.
    void reset() {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }

private:
    int m_fd;
};

} // namespace km::fs
