#include "chromium/browser_actions.h"

#include "chromium/reply_fields.h"

namespace tidemark::chromium {

using nlohmann::json;

namespace {
namespace visual_state = uia::visual_state;

constexpr std::uint8_t kVirtualKeyReturn = 0x0D;

// Clicks the element, or the element holding a text.
constexpr const char* kClick =
    "function() { const element = this.nodeType === 1 ? this : this.parentElement; if (element) element.click(); }";

const char* WindowStateFor(std::int32_t visualState) {
    switch (visualState) {
        case visual_state::Minimized: return "minimized";
        case visual_state::Maximized: return "maximized";
        default: return "normal";
    }
}
}  // namespace

void BrowserActions::Select(const std::string& targetId) {
    const auto [window, tab] = tracker_.FindTab(targetId);
    if (tab == nullptr) return;
    browser_.Devtools().Call("Target.activateTarget", {{"targetId", tab->targetId}});
    window->edge->Show(tab->edge, tab->address);
    window->addressTyped = false;
    tab->page->NewPoll();
}

void BrowserActions::Close(std::int64_t windowId) {
    const BrowserWindow* window = tracker_.WindowById(windowId);
    if (window == nullptr) return;
    for (const auto& tab : window->tabs) {
        tracker_.Closing(tab->targetId);
        try {
            browser_.Devtools().Call("Target.closeTarget", {{"targetId", tab->targetId}});
        } catch (const PlatformError& error) {
            if (!TargetGone(error)) throw;
        }
    }
    tracker_.Forget(windowId);
}

void BrowserActions::SetState(std::int64_t windowId, std::int32_t visualState) {
    BrowserWindow* window = tracker_.WindowById(windowId);
    if (window == nullptr) return;
    const std::string wanted = WindowStateFor(visualState);
    if (window->state == wanted) return;
    DevToolsPipe& devtools = browser_.Devtools();
    // The browser takes a window from minimised to maximised, or back, only by way of normal.
    if (window->state != "normal" && wanted != "normal" && !window->state.empty()) {
        devtools.Call("Browser.setWindowBounds", {{"windowId", window->id}, {"bounds", {{"windowState", "normal"}}}});
    }
    devtools.Call("Browser.setWindowBounds", {{"windowId", window->id}, {"bounds", {{"windowState", wanted}}}});
    window->state = wanted;
    window->stateReadAt = {};  // asked again at the next reading
}

void BrowserActions::Invoke(const std::string& targetId, std::int64_t backendNodeId) {
    BrowserTab* tab = tracker_.FindTab(targetId).second;
    if (tab == nullptr) throw PlatformError(kElementNotAvailable, "the element's tab has closed");
    DevToolsPipe& devtools = browser_.Devtools();
    ClickNode(devtools, tab->page->Session(devtools), backendNodeId);
    tracker_.MarkMoved();
}

void ClickNode(DevToolsPipe& devtools, const std::string& session, std::int64_t backendNodeId) {
    const json resolved = devtools.Call("DOM.resolveNode", {{"backendNodeId", backendNodeId}}, session);
    const std::string object =
        Field("DOM.resolveNode", [&] { return resolved.at("object").at("objectId").get<std::string>(); });
    const auto release = [&] { devtools.Call("Runtime.releaseObject", {{"objectId", object}}, session); };
    try {
        devtools.Call("Runtime.callFunctionOn", {{"objectId", object}, {"functionDeclaration", kClick}}, session);
    } catch (const PlatformError& error) {
        // Released after a protocol error too; a browser timed out or gone is ended, objects and all.
        if (error.code() != kTimeout && error.code() != kBrokenPipe) {
            try {
                release();
            } catch (const PlatformError&) {
                // The click's own error is the one to tell.
            }
        }
        throw;
    }
    release();
}

void BrowserActions::AddressTyped(std::int64_t windowId) {
    if (BrowserWindow* window = tracker_.WindowById(windowId)) window->addressTyped = true;
}

void BrowserActions::Navigate(BrowserTab& tab, const std::string& address) {
    DevToolsPipe& devtools = browser_.Devtools();
    devtools.Call("Page.navigate", {{"url", redirect_.Apply(address)}}, tab.page->Session(devtools));
    tracker_.MarkMoved();
}

bool BrowserActions::KeyEvent(std::uint8_t virtualKey, bool keyUp) {
    if (virtualKey != kVirtualKeyReturn || keyUp) return false;
    const uia_tree::NodePtr focused = focused_.lock();
    if (!focused || focused->removed()) return false;
    for (const auto& window : tracker_.windows()) {
        if (window->edge->addressEdit() != focused) continue;
        BrowserTab* tab = window->Selected();
        if (tab == nullptr) return false;
        Navigate(*tab, window->edge->addressEdit()->value);
        window->addressTyped = false;
        return true;
    }
    return false;
}

}  // namespace tidemark::chromium
