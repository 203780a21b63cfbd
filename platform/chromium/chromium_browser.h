#pragma once

// Chromium shown to the core as Edge: a window element with Edge's chain of
// views per browser window, a tab item per page target, the address bar, and
// under the selected tab the page's control view. The elements live in an
// in-memory UI Automation tree; this class keeps that tree in step with the
// live browser, reading the browser at most once per
// poll of the program and the selected page only when a call reaches it.
//
// Its jobs live in files of their own: chromium_browser.cpp starts the
// browser and brings the tree up to date before each call; browser_targets.cpp
// follows the browser's targets and windows; edge_mirror.cpp mirrors them into
// Edge's shape and the selected page's control view; browser_actions.cpp does
// what the program's calls ask of the browser.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "chromium/chromium_process.h"
#include "chromium/page_mirror.h"
#include "chromium/page_observer.h"
#include "chromium/site_redirect.h"
#include "common/platform.h"
#include "uia_tree/tree.h"
#include "uia_tree/edge_shape.h"

namespace tidemark::chromium {

struct ChromiumBrowserOptions {
    // Empty: DefaultProfileFolder().
    std::string profileFolder{};
    bool headless = false;
    std::chrono::milliseconds timeout = DevToolsPipe::kDefaultTimeout;
    SiteRedirect redirect{};
};

class ChromiumBrowser : public ProcessStarter, public uia_tree::CallObserver {
public:
    ChromiumBrowser(uia_tree::Tree& tree, ChromiumBrowserOptions options);
    ~ChromiumBrowser() override;
    ChromiumBrowser(const ChromiumBrowser&) = delete;
    ChromiumBrowser& operator=(const ChromiumBrowser&) = delete;

    // `program` is the Chromium to start when none of ours runs; `arguments`
    // a command line of LaunchEdge. Throws PlatformError when the browser
    // cannot be started or does not answer.
    void Start(const std::string& program, const std::string& arguments) override;
    // Enter pressed while an address bar has the focus takes that window's
    // selected tab to the bar's text. Other keys do nothing.
    void KeyEvent(std::uint8_t virtualKey, bool keyUp);
    // The program paused between polls: the browser is read again before
    // the tree is next used.
    void NewPoll() { browserStale_ = true; }

    // The running browser, or null; for tests and benchmarks.
    ChromiumProcess* process() { return process_.get(); }
    // When a page was last read whole and shown in the tree; for benchmarks.
    std::chrono::steady_clock::time_point pageReadAt() const { return pageReadAt_; }
    // Ends our browser, as when the program ends.
    void EndBrowser();

private:
    struct Tab {
        std::string targetId;
        uia_tree::EdgeTabNodes edge;
        std::string address;  // as the browser last said
        std::string session;  // empty until the page is first read
        std::unique_ptr<PageMirror> page;
        std::optional<ObservedWorld> world;  // our watcher in the page, once it is in
        bool pageChanged = true;             // since the page was last read, or not known
        bool pageFresh = false;
    };
    struct Window {
        std::int64_t id = 0;
        std::unique_ptr<uia_tree::EdgeWindowShape> edge;
        std::vector<std::unique_ptr<Tab>> tabs;  // in strip order
        std::string state;                       // as the browser last said
        std::chrono::steady_clock::time_point stateReadAt{};
        bool addressTyped = false;  // the bar holds text not yet entered
        Tab* Selected() const;
        // The selected page's watcher tells when the window is resized, hidden or shown.
        bool Watched() const;
        Tab* Find(const std::string& targetId) const;
    };
    struct SeenTarget {
        std::string id;
        std::string title;
        std::string url;
        std::int64_t windowId = 0;
        std::string state;
        std::optional<std::chrono::steady_clock::time_point> stateReadAt;  // empty when the state was kept
        std::int64_t order = 0;
    };
    // A page target as the browser's target events told of it.
    struct KnownTarget {
        std::string title;
        std::string url;
        std::optional<std::int64_t> windowId;  // asked once
        std::int64_t order = 0;                // of creation, as the strip shows tabs
    };

    // Brings the tree up to date before a call looks at it.
    bool BeforeCall(const uia_tree::CallEvent& event) override;
    // Runs `action`; a platform error it throws that shows the browser gone or hung ends the browser first.
    template <class Action>
    void EndingIfGone(Action&& action);
    DevToolsPipe& Devtools();
    void RefreshBrowser();
    using Clock = std::chrono::steady_clock;

    const Window* WindowById(std::int64_t id) const;
    void FollowTargets();
    void ApplyTargetEvents();
    // An event that came on a page's session: what it says of that page.
    void ApplyPageEvent(const nlohmann::json& event);
    // The page targets not being closed, in the order they were created, with their windows' states.
    std::vector<SeenTarget> ReadTargets();
    // Some window's state is to be asked at this reading.
    bool StateDue() const;
    // The window's state as last asked stands: told of changes, or asked a moment ago.
    bool StateKnown(const Window& window) const;
    Window& AddWindow(std::int64_t id);
    void UpdateTabs(Window& window, const std::vector<const SeenTarget*>& targets);
    void RefreshPage(Tab& tab);
    void Select(Window& window, Tab& tab);
    void Close(Window& window);
    void SetState(Window& window, std::int32_t visualState);
    void Invoke(const std::string& targetId, std::int64_t backendNodeId);
    void Navigate(Tab& tab, const std::string& address);
    const std::string& SessionOf(Tab& tab);
    std::string WaitFirstPage();
    void DropWindows();

    uia_tree::Tree& tree_;
    ChromiumBrowserOptions options_;
    std::unique_ptr<ChromiumProcess> process_;
    std::vector<std::unique_ptr<Window>> windows_;  // front first
    std::map<std::string, KnownTarget> targets_;
    std::int64_t nextTargetOrder_ = 0;
    std::set<std::string> closing_;  // targets closed by us, until they are gone
    std::weak_ptr<uia_tree::Node> focused_;
    std::chrono::steady_clock::time_point pageReadAt_{};
    bool browserStale_ = true;
    // Something may have changed the targets or windows since they were last gone through:
    // a target event, our own action, or a watched page's window resized, hidden or shown.
    bool browserMoved_ = true;
    bool refreshing_ = false;
    // Held weakly by the elements' actions, which may outlive this.
    std::shared_ptr<ChromiumBrowser*> self_ = std::make_shared<ChromiumBrowser*>(this);
};

// Marks each pause of the program as the end of a poll.
class PollMarkingSleeper : public Sleeper {
public:
    PollMarkingSleeper(Sleeper& inner, ChromiumBrowser& browser) : inner_(inner), browser_(browser) {}
    void Sleep(int milliseconds) override {
        browser_.NewPoll();
        inner_.Sleep(milliseconds);
    }

private:
    Sleeper& inner_;
    ChromiumBrowser& browser_;
};

class PollMarkingPump : public MessagePump {
public:
    PollMarkingPump(MessagePump& inner, ChromiumBrowser& browser) : inner_(inner), browser_(browser) {}
    void DoEvents() override {
        browser_.NewPoll();
        inner_.DoEvents();
    }

private:
    MessagePump& inner_;
    ChromiumBrowser& browser_;
};

}  // namespace tidemark::chromium
