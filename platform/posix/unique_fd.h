#pragma once

#include <unistd.h>

#include <utility>

namespace tidemark::posix {

// An owned file descriptor, closed once. Shared by the Linux layers.
class UniqueFd {
public:
    explicit UniqueFd(int fd = -1) : fd_(fd) {}
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            Reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    ~UniqueFd() { Reset(); }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // close()'s answer, for callers whose data depends on it (0 or -1 with errno).
    int Close() { return fd_ < 0 ? 0 : ::close(std::exchange(fd_, -1)); }
    void Reset() {
        if (fd_ >= 0) ::close(std::exchange(fd_, -1));
    }

private:
    int fd_;
};

}  // namespace tidemark::posix
