#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>
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
