#pragma once

#include <unistd.h>
#include <utility>

namespace quillmere {

// Owns a POSIX file descriptor and closes it when it goes out of scope.
class UniqueFd {
public:
    explicit UniqueFd(int fd) : m_fd(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    UniqueFd& operator=(UniqueFd&&) = delete;
    ~UniqueFd() { close(); }

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

    // Closes now and returns close()'s result, which reports delayed write errors.
    int close() {
        const int result = m_fd >= 0 ? ::close(m_fd) : 0;
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

} // namespace quillmere
