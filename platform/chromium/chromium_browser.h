#pragma once

// Chromium shown to the core as Edge: a window element with Edge's chain of
// views per browser window, a tab item per page target, the address bar, and
// under the selected tab the page's control view. The elements live in an
// in-memory UI Automation tree; this class keeps that tree in step with the
// live browser, reading the browser at most once per poll of the program and
// the selected page only when a call reaches it.
//
// Its parts own their state: RunningBrowser the process, WindowTracker the
// targets and windows, a PageReader per tab its page, BrowserActions what the
// calls ask of the browser. This class ties them to the tree's calls and
// ends the browser when it is gone or hung.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "chromium/browser_actions.h"
#include "chromium/running_browser.h"
#include "chromium/site_redirect.h"
#include "chromium/window_tracker.h"
#include "common/platform.h"
#include "uia_tree/tree.h"

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
    ChromiumProcess* process() { return browser_.process(); }
    // When a page was last read whole and shown in the tree; for benchmarks.
    std::chrono::steady_clock::time_point pageReadAt() const { return pageReadAt_; }
    // Ends our browser, as when the program ends.
    void EndBrowser();
    // Told of each dialog a page opened, which was answered at once.
    void OnDialog(std::function<void(const JavaScriptDialog&)> note) { browser_.OnDialog(std::move(note)); }

private:
    // Brings the tree up to date before a call looks at it.
    bool BeforeCall(const uia_tree::CallEvent& event) override;
    // Runs `action`; a platform error it throws that shows the browser gone or hung ends the browser first.
    template <class Action>
    void EndingIfGone(Action&& action);
    // What the elements' calls reach, through a weak hold on this: the elements may outlive it.
    WindowHooks Hooks();
    void RefreshBrowser();
    // Takes a blank page target to the address, on the session its tab will own.
    void OpenAt(const std::string& targetId, const std::string& address);
    void ReadPage(BrowserTab& tab);

    uia_tree::Tree& tree_;
    ChromiumBrowserOptions options_;
    // Held weakly by the elements' actions, which may outlive this.
    std::shared_ptr<ChromiumBrowser*> self_ = std::make_shared<ChromiumBrowser*>(this);
    RunningBrowser browser_;
    WindowTracker tracker_;
    BrowserActions actions_;
    std::chrono::steady_clock::time_point pageReadAt_{};
    bool browserStale_ = true;
    bool refreshing_ = false;
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
