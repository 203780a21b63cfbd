#pragma once

#include <sys/types.h>

#include <chrono>

#include "posix/unique_fd.h"

namespace tidemark::chromium {

// Both ends of a pipe, closed on exec. Throws PlatformError.
struct PipeEnds {
    posix::UniqueFd read;
    posix::UniqueFd write;
};
PipeEnds MakePipe();

// The descriptors the browser is started with; the keeper's copies close once it has started it.
struct BrowserDescriptors {
    int requests;  // the browser reads requests here, as its descriptor 3
    int replies;   // and writes replies and events here, as its descriptor 4
    int input;
    int output;  // its stdout and stderr
};

// A small forked process of ours that starts the browser under it, adopts and
// reaps every process the browser leaves (its crash handlers escape its process
// group), and ends the browser when this object or the whole program goes away.
class BrowserKeeper {
public:
    // Forks the keeper, which execs `argv` (null-terminated) as the browser.
    // Throws PlatformError when the browser cannot be started, with the code of its exec's error.
    BrowserKeeper(char* const* argv, const BrowserDescriptors& descriptors);
    // Ends the browser: SIGTERM, SIGKILL after kExitGrace, every helper killed.
    ~BrowserKeeper();
    BrowserKeeper(const BrowserKeeper&) = delete;
    BrowserKeeper& operator=(const BrowserKeeper&) = delete;

    pid_t pid() const { return keeper_; }
    pid_t browserPid() const { return browser_; }

    // How long the browser may take to end itself before it is killed, and
    // how long the keeper then has to be done.
    static constexpr std::chrono::milliseconds kExitGrace{2000};
    static constexpr std::chrono::milliseconds kKeeperGrace{3000};

private:
    void Stop();

    pid_t keeper_ = -1;
    pid_t browser_ = -1;
    posix::UniqueFd life_;  // its end closing, even by a crash of ours, tells the keeper to end the browser
};

}  // namespace tidemark::chromium
