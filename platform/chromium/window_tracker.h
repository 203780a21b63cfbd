#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "chromium/devtools_pipe.h"
#include "chromium/page_reader.h"
#include "uia_tree/edge_shape.h"
#include "uia_tree/tree.h"

namespace tidemark::chromium {

struct BrowserTab {
    std::string targetId;
    uia_tree::EdgeTabNodes edge;
    std::string address;  // as the browser last said
    std::unique_ptr<PageReader> page;
};

struct BrowserWindow {
    std::int64_t id = 0;
    std::unique_ptr<uia_tree::EdgeWindowShape> edge;
    std::vector<std::unique_ptr<BrowserTab>> tabs;  // in strip order
    std::string state;                              // as the browser last said
    std::chrono::steady_clock::time_point stateReadAt{};
    bool addressTyped = false;  // the bar holds text not yet entered

    BrowserTab* Selected() const;
    // The selected page's watcher tells when the window is resized, hidden or shown.
    bool Watched() const;
    BrowserTab* Find(const std::string& targetId) const;
};

// What the program's calls on the windows' and pages' elements ask; the
// elements may outlive the tracker, so each is to check that it still runs.
struct WindowHooks {
    std::function<void(std::int64_t windowId)> close;
    std::function<void(std::int64_t windowId, std::int32_t visualState)> setState;
    std::function<void(const std::string& targetId)> select;
    std::function<void(std::int64_t windowId)> addressTyped;
    std::function<void(const std::string& targetId, std::int64_t backendNodeId)> invoke;
    std::function<void(uia_tree::Node&)> focus;
};

// Follows the browser's page targets and windows, told by the target events
// and asked only when something may have moved them, and shows them in Edge's
// shape: a window element per browser window, a tab item per page target.
class WindowTracker {
public:
    WindowTracker(uia_tree::Tree& tree, WindowHooks hooks);
    ~WindowTracker();
    WindowTracker(const WindowTracker&) = delete;
    WindowTracker& operator=(const WindowTracker&) = delete;

    // Asks the browser to tell of its page targets. Once per browser.
    void Follow(DevToolsPipe& devtools);
    // Takes in the events that came meanwhile, and goes through the targets
    // and windows again when something may have moved them.
    void Refresh(DevToolsPipe& devtools);
    // Our own action may have changed the targets or windows.
    void MarkMoved() { moved_ = true; }
    // A target we close: not shown from now on.
    void Closing(const std::string& targetId) { closing_.insert(targetId); }
    // A window we closed goes at once.
    void Forget(std::int64_t windowId);
    // A session we attached to a target before its tab is shown: the tab's own from then on.
    void Adopt(const std::string& targetId, const std::string& session) { adopted_[targetId] = session; }
    // The browser ended: every window goes.
    void Clear();

    const std::vector<std::unique_ptr<BrowserWindow>>& windows() const { return windows_; }
    BrowserWindow* WindowById(std::int64_t id) const;
    // The tab of a page target, and its window.
    std::pair<BrowserWindow*, BrowserTab*> FindTab(const std::string& targetId) const;

private:
    using Clock = std::chrono::steady_clock;
    struct SeenTarget {
        std::string id;
        std::string title;
        std::string url;
        std::int64_t windowId = 0;
        std::string state;
        std::optional<Clock::time_point> stateReadAt;  // empty when the state was kept
        std::int64_t order = 0;
    };
    // A page target as the browser's target events told of it.
    struct KnownTarget {
        std::string title;
        std::string url;
        std::optional<std::int64_t> windowId;  // asked once
        std::int64_t order = 0;                // of creation, as the strip shows tabs
    };

    void ApplyTargetEvents(DevToolsPipe& devtools);
    void ApplyTargetEvent(const std::string& method, const nlohmann::json& params);
    // An event that came on a page's session: what it says of that page.
    void ApplyPageEvent(const nlohmann::json& event);
    // The page targets not being closed, in the order they were created, with their windows' states.
    std::vector<SeenTarget> ReadTargets(DevToolsPipe& devtools);
    // Some window's state is to be asked at this reading.
    bool StateDue() const;
    // The window's state as last asked stands: told of changes, or asked a moment ago.
    bool StateKnown(const BrowserWindow& window) const;
    BrowserWindow& AddWindow(std::int64_t id);
    void UpdateTabs(BrowserWindow& window, const std::vector<const SeenTarget*>& targets);

    uia_tree::Tree& tree_;
    WindowHooks hooks_;
    std::vector<std::unique_ptr<BrowserWindow>> windows_;  // front first
    std::map<std::string, KnownTarget> targets_;
    std::int64_t nextTargetOrder_ = 0;
    std::set<std::string> closing_;               // targets closed by us, until they are gone
    std::map<std::string, std::string> adopted_;  // target -> session, until its tab is made
    // Something may have changed the targets or windows since they were last gone through:
    // a target event, our own action, or a watched page's window resized, hidden or shown.
    bool moved_ = true;
};

}  // namespace tidemark::chromium
