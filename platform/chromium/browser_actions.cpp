#include "chromium/chromium_browser.h"

#include "chromium/chromium_browser_parts.h"

namespace tidemark::chromium {

using namespace browser_parts;

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

void ChromiumBrowser::Select(Window& window, Tab& tab) {
    EndingIfGone([&] {
        Devtools().Call("Target.activateTarget", {{"targetId", tab.targetId}});
        window.edge->Show(tab.edge, tab.address);
        window.addressTyped = false;
        tab.pageFresh = false;
    });
}

void ChromiumBrowser::Close(Window& window) {
    EndingIfGone([&] {
        for (const auto& tab : window.tabs) {
            closing_.insert(tab->targetId);
            try {
                Devtools().Call("Target.closeTarget", {{"targetId", tab->targetId}});
            } catch (const PlatformError& error) {
                if (!TargetGone(error)) throw;
            }
        }
        const std::int64_t id = window.id;
        std::erase_if(windows_, [id](const std::unique_ptr<Window>& each) { return each->id == id; });
        browserStale_ = browserMoved_ = true;
    });
}

void ChromiumBrowser::SetState(Window& window, std::int32_t visualState) {
    EndingIfGone([&] {
        const std::string wanted = WindowStateFor(visualState);
        if (window.state == wanted) return;
        // The browser takes a window from minimised to maximised, or back, only by way of normal.
        if (window.state != "normal" && wanted != "normal" && !window.state.empty()) {
            Devtools().Call("Browser.setWindowBounds",
                            {{"windowId", window.id}, {"bounds", {{"windowState", "normal"}}}});
        }
        Devtools().Call("Browser.setWindowBounds", {{"windowId", window.id}, {"bounds", {{"windowState", wanted}}}});
        window.state = wanted;
        window.stateReadAt = {};  // asked again at the next reading
    });
}

void ChromiumBrowser::Invoke(const std::string& targetId, std::int64_t backendNodeId) {
    EndingIfGone([&] {
        Tab* tab = nullptr;
        for (const auto& window : windows_)
            if ((tab = window->Find(targetId)) != nullptr) break;
        if (tab == nullptr) throw PlatformError(kElementNotAvailable, "the element's tab has closed");
        const std::string& session = SessionOf(*tab);
        const json resolved = Devtools().Call("DOM.resolveNode", {{"backendNodeId", backendNodeId}}, session);
        const std::string object =
            Field("DOM.resolveNode", [&] { return resolved.at("object").at("objectId").get<std::string>(); });
        Devtools().Call("Runtime.callFunctionOn", {{"objectId", object}, {"functionDeclaration", kClick}}, session);
        Devtools().Call("Runtime.releaseObject", {{"objectId", object}}, session);
        browserStale_ = browserMoved_ = true;
    });
}

void ChromiumBrowser::Navigate(Tab& tab, const std::string& address) {
    EndingIfGone([&] {
        Devtools().Call("Page.navigate", {{"url", options_.redirect.Apply(address)}}, SessionOf(tab));
        browserStale_ = browserMoved_ = true;
    });
}

void ChromiumBrowser::KeyEvent(std::uint8_t virtualKey, bool keyUp) {
    if (virtualKey != kVirtualKeyReturn || keyUp) return;
    const uia_tree::NodePtr focused = focused_.lock();
    if (!focused || focused->removed()) return;
    for (const auto& window : windows_) {
        if (window->edge->addressEdit() != focused) continue;
        Tab* tab = window->Selected();
        if (tab == nullptr) return;
        Navigate(*tab, window->edge->addressEdit()->value);
        window->addressTyped = false;
        return;
    }
}

}  // namespace tidemark::chromium
