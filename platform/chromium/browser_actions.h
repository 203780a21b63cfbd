#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "chromium/running_browser.h"
#include "chromium/site_redirect.h"
#include "chromium/window_tracker.h"

namespace tidemark::chromium {

// Clicks the DOM node (the element, or the element holding a text), releasing the object it was
// reached through whatever the click does.
void ClickNode(DevToolsPipe& devtools, const std::string& session, std::int64_t backendNodeId);

// What the program's calls on the elements ask of the browser: select a tab,
// close a window or change its state, click an element, and go to the address
// typed into an address bar when Enter is pressed there.
class BrowserActions {
public:
    BrowserActions(RunningBrowser& browser, WindowTracker& tracker, const SiteRedirect& redirect)
        : browser_(browser), tracker_(tracker), redirect_(redirect) {}

    void Select(const std::string& targetId);
    void Close(std::int64_t windowId);
    void SetState(std::int64_t windowId, std::int32_t visualState);
    void Invoke(const std::string& targetId, std::int64_t backendNodeId);
    void AddressTyped(std::int64_t windowId);
    void Focus(uia_tree::Node& node) { focused_ = node.shared_from_this(); }
    // Enter pressed while an address bar has the focus takes that window's
    // selected tab to the bar's text. True when it did.
    bool KeyEvent(std::uint8_t virtualKey, bool keyUp);
    // The browser ended.
    void Forget() { focused_.reset(); }

private:
    void Navigate(BrowserTab& tab, const std::string& address);

    RunningBrowser& browser_;
    WindowTracker& tracker_;
    const SiteRedirect& redirect_;
    std::weak_ptr<uia_tree::Node> focused_;
};

}  // namespace tidemark::chromium
