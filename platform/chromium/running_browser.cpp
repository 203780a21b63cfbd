#include "chromium/running_browser.h"

#include <thread>

#include "chromium/reply_fields.h"

namespace tidemark::chromium {

using nlohmann::json;

namespace {
constexpr auto kFirstPagePoll = std::chrono::milliseconds(20);
}  // namespace

DevToolsPipe& RunningBrowser::Devtools() {
    if (!process_) throw PlatformError(kBrokenPipe, "Chromium is not running");
    return process_->devtools();
}

bool RunningBrowser::Gone() { return process_ && process_->devtools().PeerClosed(); }

void RunningBrowser::Launch(const std::string& program) {
    ChromiumOptions options = options_;
    options.program = program;
    process_ = std::make_unique<ChromiumProcess>(options);
    DevToolsPipe& devtools = process_->devtools();
    devtools.SetEventHook([this, &devtools](const json& event) {
        if (const auto dialog = AnswerDialog(devtools, event); dialog && onDialog_) onDialog_(*dialog);
    });
}

std::string RunningBrowser::WaitFirstPage() {
    const auto deadline = std::chrono::steady_clock::now() + options_.timeout;
    for (;;) {
        const json infos = Devtools().Call("Target.getTargets");
        const std::string found = Field("Target.getTargets", [&] {
            for (const json& info : infos.at("targetInfos"))
                if (info.at("type") == "page") return info.at("targetId").get<std::string>();
            return std::string();
        });
        if (!found.empty()) return found;
        if (std::chrono::steady_clock::now() >= deadline)
            throw PlatformError(kTimeout, "Chromium started but opened no window");
        std::this_thread::sleep_for(kFirstPagePoll);
    }
}

std::string RunningBrowser::OpenBlank(bool newWindow) {
    json params = {{"url", "about:blank"}};
    if (newWindow) params["newWindow"] = true;
    const json created = Devtools().Call("Target.createTarget", params);
    return Field("Target.createTarget", [&] { return created.at("targetId").get<std::string>(); });
}

}  // namespace tidemark::chromium
