#include "chromium/page_opener.h"

#include <thread>

#include "chromium/page_snapshot.h"

namespace tidemark::chromium {

namespace {
using Clock = std::chrono::steady_clock;
using nlohmann::json;

constexpr std::chrono::milliseconds kEventPause{20};

bool LoadEventOf(const std::vector<json>& events, const std::string& sessionId) {
    for (const json& event : events)
        if (event.value("method", "") == "Page.loadEventFired" && event.value("sessionId", "") == sessionId)
            return true;
    return false;
}

// The blank page the target starts with may fire its own load event late: the
// one that counts is the one of the document the navigation made.
bool ShowsDocument(DevToolsPipe& devtools, const std::string& sessionId, const std::string& loaderId) {
    if (loaderId.empty()) return true;
    const json tree = devtools.Call("Page.getFrameTree", json::object(), sessionId);
    return tree.at("frameTree").at("frame").value("loaderId", "") == loaderId;
}
}  // namespace

OpenedPage OpenPage(DevToolsPipe& devtools, const std::string& url, std::chrono::milliseconds loadLimit) {
    const std::string targetId =
        devtools.Call("Target.createTarget", {{"url", "about:blank"}}).at("targetId").get<std::string>();
    OpenedPage page{.sessionId = AttachToPage(devtools, targetId)};
    devtools.Call("Page.enable", json::object(), page.sessionId);
    devtools.TakeEvents();

    const auto deadline = Clock::now() + loadLimit;
    const json navigated = devtools.Call("Page.navigate", {{"url", url}}, page.sessionId);
    if (const std::string error = navigated.value("errorText", ""); !error.empty()) {
        page.failure = error;
        return page;
    }
    const std::string loaderId = navigated.value("loaderId", "");
    for (;;) {
        devtools.Pump();
        if (LoadEventOf(devtools.TakeEvents(), page.sessionId) && ShowsDocument(devtools, page.sessionId, loaderId))
            return page;
        if (devtools.PeerClosed()) throw PlatformError(kBrokenPipe, "the browser ended while loading " + url);
        if (Clock::now() >= deadline) {
            page.failure = "no load event within " +
                           std::to_string(std::chrono::duration_cast<std::chrono::seconds>(loadLimit).count()) + " s";
            return page;
        }
        std::this_thread::sleep_for(kEventPause);
    }
}

}  // namespace tidemark::chromium
