#include "chromium/chromium_browser.h"

#include "chromium/launch_command.h"
#include "chromium/page_observer.h"
#include "chromium/page_snapshot.h"
#include "common/reentry_guard.h"

namespace tidemark::chromium {

namespace {
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
    : tree_(tree),
      options_(std::move(options)),
      browser_(ChromiumOptions{
          .profileFolder = options_.profileFolder, .headless = options_.headless, .timeout = options_.timeout}),
      tracker_(tree_, Hooks()),
      actions_(browser_, tracker_, options_.redirect) {
    tree_.AddObserver(*this);
}

ChromiumBrowser::~ChromiumBrowser() {
    tree_.RemoveObserver(*this);
    *self_ = nullptr;
    EndBrowser();
}

template <class Action>
void ChromiumBrowser::EndingIfGone(Action&& action) {
    try {
        action();
    } catch (const PlatformError& error) {
        // A browser whose pipe closed has ended, and one that let a reply time out is taken for hung:
        // its windows go at once, so that no later call meets a broken pipe, and the next start brings a new one.
        if (error.code() == kBrokenPipe || error.code() == kTimeout) EndBrowser();
        throw;
    }
}

WindowHooks ChromiumBrowser::Hooks() {
    const std::weak_ptr<ChromiumBrowser*> self = self_;
    // Runs `act` on this while it lives; `moves` when it may change the targets or windows.
    const auto reach = [self](bool moves, auto act) {
        return [self, moves, act](auto&&... arguments) {
            const auto owner = self.lock();
            if (!owner || *owner == nullptr) return;
            ChromiumBrowser& browser = **owner;
            browser.EndingIfGone([&] { act(browser.actions_, arguments...); });
            if (moves) browser.browserStale_ = true;
        };
    };
    return {
        .close = reach(true, [](BrowserActions& actions, std::int64_t id) { actions.Close(id); }),
        .setState = reach(
            false, [](BrowserActions& actions, std::int64_t id, std::int32_t state) { actions.SetState(id, state); }),
        .select = reach(false, [](BrowserActions& actions, const std::string& id) { actions.Select(id); }),
        .addressTyped = reach(false, [](BrowserActions& actions, std::int64_t id) { actions.AddressTyped(id); }),
        .invoke = reach(true, [](BrowserActions& actions, const std::string& id,
                                 std::int64_t backendNodeId) { actions.Invoke(id, backendNodeId); }),
        .focus = reach(false, [](BrowserActions& actions, uia_tree::Node& node) { actions.Focus(node); }),
    };
}

void ChromiumBrowser::EndBrowser() {
    tracker_.Clear();
    actions_.Forget();
    browser_.End();
}

void ChromiumBrowser::Start(const std::string& program, const std::string& arguments) {
    const LaunchCommand command = ParseLaunchCommand(arguments);
    const std::string address = options_.redirect.Apply(command.address.empty() ? "about:blank" : command.address);
    browserStale_ = true;
    tracker_.MarkMoved();
    if (browser_.Gone()) EndBrowser();
    if (browser_.running()) {
        EndingIfGone([&] { OpenAt(browser_.OpenBlank(command.newWindow), address); });
        return;
    }
    browser_.Launch(program);
    try {
        tracker_.Follow(browser_.Devtools());
        // The browser opens with one window of its own: that is the new window.
        OpenAt(browser_.WaitFirstPage(), address);
    } catch (const PlatformError&) {
        EndBrowser();
        throw;
    }
}

void ChromiumBrowser::OpenAt(const std::string& targetId, const std::string& address) {
    // The tab's own session, with the page's events followed before the page loads: a dialog it
    // raises on load is told of, and answered.
    DevToolsPipe& devtools = browser_.Devtools();
    const std::string session = AttachToPage(devtools, targetId);
    FollowPageEvents(devtools, session);
    tracker_.Adopt(targetId, session);
    devtools.Call("Page.navigate", {{"url", address}}, session);
}

void ChromiumBrowser::KeyEvent(std::uint8_t virtualKey, bool keyUp) {
    EndingIfGone([&] {
        if (actions_.KeyEvent(virtualKey, keyUp)) browserStale_ = true;
    });
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
        for (const auto& window : tracker_.windows()) {
            BrowserTab* tab = window->Selected();
            if (tab == nullptr || tab->page->fresh()) continue;
            const uia_tree::Node* contents = tab->edge.contents.get();
            if (IsWithin(node, contents) || (IsSearch(call) && IsWithin(contents, node))) ReadPage(*tab);
        }
    });
    return true;
}

void ChromiumBrowser::RefreshBrowser() {
    if (browser_.Gone()) EndBrowser();  // closed by the user or killed: its windows are gone
    if (browser_.running()) {
        tracker_.Refresh(browser_.Devtools());
        for (const auto& window : tracker_.windows())
            for (const auto& tab : window->tabs) tab->page->NewPoll();
    }
    browserStale_ = false;
}

void ChromiumBrowser::ReadPage(BrowserTab& tab) {
    if (!tab.page->Refresh(browser_.Devtools())) return;
    pageReadAt_ = std::chrono::steady_clock::now();
    if (const std::string name = tab.page->documentName(); !name.empty()) tab.edge.item->name = name;
}

}  // namespace tidemark::chromium
