#include "chromium/chromium_process.h"

#include <fcntl.h>
#include <unistd.h>

#include <vector>

namespace tidemark::chromium {

ChromiumProcess::ChromiumProcess(const ChromiumOptions& options)
    : profileFolder_(options.profileFolder.empty() ? DefaultProfileFolder() : options.profileFolder) {
    PrepareProfileFolder(profileFolder_);

    std::vector<std::string> arguments =
        ChromiumArguments(profileFolder_, options.headless || !HasDisplay(), ::geteuid() == 0);
    arguments.insert(arguments.begin(), options.program);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);

    UniqueFd stdinFd(::open("/dev/null", O_RDONLY | O_CLOEXEC));
    UniqueFd logFd(::open(logPath().c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600));
    if (!logFd) logFd = UniqueFd(::open("/dev/null", O_WRONLY | O_CLOEXEC));
    if (!stdinFd || !logFd) throw PlatformError(kEFail, "cannot open /dev/null for Chromium");
    PipeEnds requests = MakePipe();
    PipeEnds replies = MakePipe();

    keeper_ = std::make_unique<BrowserKeeper>(argv.data(), BrowserDescriptors{.requests = requests.read.get(),
                                                                              .replies = replies.write.get(),
                                                                              .input = stdinFd.get(),
                                                                              .output = logFd.get()});
    requests.read.Reset();
    replies.write.Reset();
    devtools_ = std::make_unique<DevToolsPipe>(std::move(replies.read), std::move(requests.write), options.timeout);
}

ChromiumProcess::~ChromiumProcess() {
    devtools_.reset();
    keeper_.reset();
}

}  // namespace tidemark::chromium
