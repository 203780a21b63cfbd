#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <string>

#include "chromium/browser_keeper.h"
#include "chromium/child_pid_parser.h"
#include "chromium/chromium_arguments.h"
#include "chromium/chromium_profile.h"
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

// A Chromium of our own, driven over --remote-debugging-pipe, in its own
// profile folder, under a BrowserKeeper.
class ChromiumProcess {
public:
    // Throws PlatformError: kFileNotFound when there is no such program.
    explicit ChromiumProcess(const ChromiumOptions& options = {});
    ~ChromiumProcess();
    ChromiumProcess(const ChromiumProcess&) = delete;
    ChromiumProcess& operator=(const ChromiumProcess&) = delete;

    // The browser's main process, and the keeper's.
    pid_t pid() const { return keeper_->browserPid(); }
    pid_t keeperPid() const { return keeper_->pid(); }
    DevToolsPipe& devtools() { return *devtools_; }
    const std::string& profileFolder() const { return profileFolder_; }
    // Chromium's stdout and stderr.
    std::string logPath() const { return profileFolder_ + "/chromium.log"; }

    static constexpr std::chrono::milliseconds kExitGrace = BrowserKeeper::kExitGrace;
    static constexpr std::chrono::milliseconds kKeeperGrace = BrowserKeeper::kKeeperGrace;

private:
    std::string profileFolder_;
    std::unique_ptr<BrowserKeeper> keeper_;
    // Gone first: Chromium ends itself when its request pipe closes; the keeper makes sure.
    std::unique_ptr<DevToolsPipe> devtools_;
};

}  // namespace tidemark::chromium
