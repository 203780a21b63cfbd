#pragma once

// The local measurement sites' server, run by a test: its standard input and
// output are pipes of ours, so it ends when we close its input or when this
// test program dies.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include <httplib.h>

#include "posix/unique_fd.h"

namespace tidemark::chromium {

class SiteServerProcess {
public:
    // Starts TIDEMARK_SITE_SERVER with `flags` and waits for its "port N" line.
    // Throws std::runtime_error when it does not come in time.
    explicit SiteServerProcess(const std::vector<std::string>& flags,
                               std::chrono::milliseconds timeout = std::chrono::seconds(5));
    ~SiteServerProcess();
    SiteServerProcess(const SiteServerProcess&) = delete;
    SiteServerProcess& operator=(const SiteServerProcess&) = delete;

    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    // A client of it, for a test's own look at what it serves.
    httplib::Client Client() const { return httplib::Client("127.0.0.1", port_); }
    // GET `path`; throws std::runtime_error when no answer comes.
    httplib::Response Get(const std::string& path) const;

    // Closes its standard input and waits for it to end: its wait status, or
    // nullopt when it is still running at the deadline (it is then killed).
    std::optional<int> CloseInputAndWait(std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Waits for it to end by itself, with its input still open.
    std::optional<int> WaitForExit(std::chrono::milliseconds timeout);

private:
    pid_t pid_ = -1;
    posix::UniqueFd input_;
    posix::UniqueFd output_;
    int port_ = 0;
};

}  // namespace tidemark::chromium
