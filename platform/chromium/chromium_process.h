#pragma once

#include <sys/types.h>

#include <chrono>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "chromium/devtools_pipe.h"

namespace tidemark::chromium {

struct ChromiumOptions {
    std::string program = "/usr/bin/chromium";
    // Empty: DefaultProfileFolder().
    std::string profileFolder;
    // Headless even on a display; without one it is headless anyway.
    bool headless = false;
    std::chrono::milliseconds timeout = DevToolsPipe::kDefaultTimeout;
};

// $XDG_CACHE_HOME/tidemark/chromium-profile, or ~/.cache/tidemark/chromium-profile.
std::string DefaultProfileFolder();

// The command line after the program's name.
std::vector<std::string> ChromiumArguments(const std::string& profileFolder, bool headless, bool asRoot);

// True when $DISPLAY or $WAYLAND_DISPLAY names a display to show a window on.
bool HasDisplay();

// The pids in a /proc/PID/task/TID/children list that arrives in reads split
// anywhere. A number counts only once a separator or the list's end follows it,
// and only when it is all digits and a possible pid: a cut-off or garbled one
// may name another process of the user. Allocates nothing, for the keeper runs
// it in a forked copy of a program that may have other threads.
class ChildPidParser {
public:
    template <typename Found>
    void Feed(std::string_view piece, Found&& found) {
        for (const char c : piece) {
            if (c == ' ' || c == '\n') {
                Close(found);
            } else if (c >= '0' && c <= '9' && value_ <= kMaxPid) {
                value_ = value_ * 10 + (c - '0');
                digits_ = true;
            } else {
                garbled_ = true;
            }
        }
    }
    // The list has truly ended: a number running to its end is whole.
    template <typename Found>
    void End(Found&& found) {
        Close(found);
    }

private:
    static constexpr long long kMaxPid = std::numeric_limits<pid_t>::max();

    template <typename Found>
    void Close(Found& found) {
        if (digits_ && !garbled_ && value_ > 0 && value_ <= kMaxPid) found(static_cast<pid_t>(value_));
        value_ = 0;
        digits_ = false;
        garbled_ = false;
    }

    long long value_ = 0;
    bool digits_ = false;
    bool garbled_ = false;
};

// A Chromium of our own, driven over --remote-debugging-pipe. It runs under a
// small keeper process of ours that adopts and reaps every process the browser
// leaves (its crash handlers escape its process group), and that ends the
// browser when this object or this whole program goes away.
class ChromiumProcess {
public:
    // Throws PlatformError: kFileNotFound when there is no such program.
    explicit ChromiumProcess(const ChromiumOptions& options = {});
    ~ChromiumProcess();
    ChromiumProcess(const ChromiumProcess&) = delete;
    ChromiumProcess& operator=(const ChromiumProcess&) = delete;

    // The browser's main process, and the keeper's.
    pid_t pid() const { return pid_; }
    pid_t keeperPid() const { return keeper_; }
    DevToolsPipe& devtools() { return *devtools_; }
    const std::string& profileFolder() const { return profileFolder_; }
    // Chromium's stdout and stderr.
    std::string logPath() const { return profileFolder_ + "/chromium.log"; }

    // How long the browser may take to end itself before it is killed, and
    // how long the keeper then has to be done.
    static constexpr std::chrono::milliseconds kExitGrace{2000};
    static constexpr std::chrono::milliseconds kKeeperGrace{3000};

private:
    void StopKeeper();

    std::string profileFolder_;
    pid_t pid_ = -1;
    pid_t keeper_ = -1;
    UniqueFd keeperLife_;
    std::unique_ptr<DevToolsPipe> devtools_;
};

}  // namespace tidemark::chromium
