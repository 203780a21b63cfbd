#pragma once

#include <functional>
#include <memory>
#include <string>

#include "chromium/chromium_process.h"
#include "chromium/javascript_dialogs.h"

namespace tidemark::chromium {

// Our browser while it runs: started, reached over its pipe, ended.
class RunningBrowser {
public:
    // `options.program` is given at each start.
    explicit RunningBrowser(ChromiumOptions options) : options_(std::move(options)) {}

    bool running() const { return process_ != nullptr; }
    // The running browser, or null.
    ChromiumProcess* process() { return process_.get(); }
    // Throws PlatformError kBrokenPipe when none runs.
    DevToolsPipe& Devtools();
    // It ran, and its pipe closed: closed by the user, killed or crashed.
    bool Gone();

    // Starts `program`; every dialog a page of it opens is answered at once.
    // Throws PlatformError when it cannot be started.
    void Launch(const std::string& program);
    // The page the browser opens with, once it has one. Throws PlatformError kTimeout when none comes.
    std::string WaitFirstPage();
    // A new blank page target, in a new window when `newWindow`.
    std::string OpenBlank(bool newWindow);
    void End() { process_.reset(); }

    // Told of each dialog answered.
    void OnDialog(std::function<void(const JavaScriptDialog&)> note) { onDialog_ = std::move(note); }

private:
    ChromiumOptions options_;
    std::unique_ptr<ChromiumProcess> process_;
    std::function<void(const JavaScriptDialog&)> onDialog_;
};

}  // namespace tidemark::chromium
