#include "chromium/chromium_browser.h"

#include <thread>

#include "chromium/launch_command.h"
#include "common/reentry_guard.h"

#include "chromium/chromium_browser_parts.h"

namespace tidemark::chromium {

using namespace browser_parts;

namespace {
constexpr auto kFirstPagePoll = std::chrono::milliseconds(20);

bool IsWithin(const uia_tree::Node* node, const uia_tree::Node* ancestor) {
    for (uia_tree::NodePtr step; node != nullptr; node = step.get()) {
        if (node == ancestor) return true;
        step = node->parent();
    }
    return false;
}

bool IsSearch(uia_tree::Call call) { return call == uia_tree::Call::FindFirst || call == uia_tree::Call::FindAll; }
}  // namespace

ChromiumBrowser::ChromiumBrowser(uia_tree::Tree& tree, ChromiumBrowserOptions options)
    : tree_(tree), options_(std::move(options)) {
    tree_.AddObserver(*this);
}

ChromiumBrowser::~ChromiumBrowser() {
    tree_.RemoveObserver(*this);
    *self_ = nullptr;
    EndBrowser();
}

DevToolsPipe& ChromiumBrowser::Devtools() {
    if (!process_) throw PlatformError(kBrokenPipe, "Chromium is not running");
    return process_->devtools();
}

void ChromiumBrowser::EndBrowser() {
    DropWindows();
    closing_.clear();
    targets_.clear();
    process_.reset();
    browserMoved_ = true;
}

void ChromiumBrowser::DropWindows() {
    for (const auto& window : windows_)
        if (!window->edge->node()->removed()) window->edge->node()->Remove();
    windows_.clear();
    focused_.reset();
}

void ChromiumBrowser::Start(const std::string& program, const std::string& arguments) {
    const LaunchCommand command = ParseLaunchCommand(arguments);
    const std::string address = options_.redirect.Apply(command.address.empty() ? "about:blank" : command.address);
    browserStale_ = browserMoved_ = true;
    if (process_ && Devtools().PeerClosed()) EndBrowser();
    if (process_) {
        json params = {{"url", address}};
        if (command.newWindow) params["newWindow"] = true;
        EndingIfGone([&] { Devtools().Call("Target.createTarget", params); });
        return;
    }
    process_ = std::make_unique<ChromiumProcess>(ChromiumOptions{.program = program,
                                                                 .profileFolder = options_.profileFolder,
                                                                 .headless = options_.headless,
                                                                 .timeout = options_.timeout});
    try {
        FollowTargets();
        // The browser opens with one window of its own: that is the new window.
        const std::string session = AttachToPage(Devtools(), WaitFirstPage());
        Devtools().Call("Page.navigate", {{"url", address}}, session);
    } catch (const PlatformError&) {
        EndBrowser();
        throw;
    }
}

std::string ChromiumBrowser::WaitFirstPage() {
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

bool ChromiumBrowser::BeforeCall(const uia_tree::CallEvent& event) {
    if (refreshing_) return true;
    const uia_tree::Node* node = event.node;
    const uia_tree::Call call = event.call;
    const ReentryGuard refreshing(refreshing_);
    EndingIfGone([&] {
        if (browserStale_) RefreshBrowser();
        if (node == nullptr) return;
        // The page is read when the call is on one of its elements or searches through it.
        for (const auto& window : windows_) {
            Tab* tab = window->Selected();
            if (tab == nullptr || tab->pageFresh) continue;
            const uia_tree::Node* contents = tab->edge.contents.get();
            if (IsWithin(node, contents) || (IsSearch(call) && IsWithin(contents, node))) RefreshPage(*tab);
        }
    });
    return true;
}

}  // namespace tidemark::chromium
