#include "chromium/chromium_browser.h"

#include <algorithm>
#include <map>
#include <thread>

#include "chromium/launch_command.h"
#include "chromium/page_snapshot.h"

namespace tidemark::chromium {

namespace {

using nlohmann::json;
namespace visual_state = uia::visual_state;

constexpr std::uint8_t kVirtualKeyReturn = 0x0D;
constexpr auto kFirstPagePoll = std::chrono::milliseconds(20);
constexpr auto kWindowStateAge = std::chrono::milliseconds(100);

// Clicks the element, or the element holding a text.
constexpr const char* kClick =
    "function() { const element = this.nodeType === 1 ? this : this.parentElement; if (element) element.click(); }";

std::int32_t VisualStateOf(const std::string& windowState) {
    if (windowState == "minimized") return visual_state::Minimized;
    if (windowState == "maximized" || windowState == "fullscreen") return visual_state::Maximized;
    return visual_state::Normal;
}

const char* WindowStateFor(std::int32_t visualState) {
    switch (visualState) {
        case visual_state::Minimized: return "minimized";
        case visual_state::Maximized: return "maximized";
        default: return "normal";
    }
}

bool IsWithin(const uia_tree::Node* node, const uia_tree::Node* ancestor) {
    for (uia_tree::NodePtr step; node != nullptr; node = step.get()) {
        if (node == ancestor) return true;
        step = node->parent();
    }
    return false;
}

bool IsSearch(uia_tree::Call call) { return call == uia_tree::Call::FindFirst || call == uia_tree::Call::FindAll; }

// A protocol error (E_FAIL) about a target means it went in the meantime.
bool TargetGone(const PlatformError& error) { return error.code() == kEFail; }

template <class Read>
auto Field(const char* what, Read&& read) {
    try {
        return read();
    } catch (const json::exception& error) {
        throw PlatformError(kInvalidData, std::string("unexpected reply to ") + what + ": " + error.what());
    }
}

}  // namespace

ChromiumBrowser::Tab* ChromiumBrowser::Window::Selected() const {
    for (const auto& tab : tabs)
        if (tab->edge.item->selected) return tab.get();
    return nullptr;
}

const ChromiumBrowser::Window* ChromiumBrowser::WindowById(std::int64_t id) const {
    for (const auto& window : windows_)
        if (window->id == id) return window.get();
    return nullptr;
}

ChromiumBrowser::Tab* ChromiumBrowser::Window::Find(const std::string& targetId) const {
    for (const auto& tab : tabs)
        if (tab->targetId == targetId) return tab.get();
    return nullptr;
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
    browserStale_ = true;
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
    refreshing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{refreshing_};
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



void ChromiumBrowser::RefreshBrowser() {
    if (!process_) {
        browserStale_ = false;
        return;
    }
    if (Devtools().PeerClosed()) {
        // The browser has ended, closed by the user or killed: its windows are gone.
        EndBrowser();
        browserStale_ = false;
        return;
    }
    const std::vector<SeenTarget> targets = ReadTargets();

    std::erase_if(windows_, [&](const std::unique_ptr<Window>& window) {
        const bool gone = std::none_of(targets.begin(), targets.end(),
                                       [&](const SeenTarget& target) { return target.windowId == window->id; });
        if (gone && !window->edge->node()->removed()) window->edge->node()->Remove();
        return gone;
    });
    for (const SeenTarget& target : targets)
        if (WindowById(target.windowId) == nullptr) AddWindow(target.windowId);
    for (const auto& window : windows_) {
        std::vector<const SeenTarget*> own;
        for (const SeenTarget& target : targets)
            if (target.windowId == window->id) own.push_back(&target);
        UpdateTabs(*window, own);
        for (const auto& tab : window->tabs) tab->pageFresh = false;
    }
    browserStale_ = false;
}

void ChromiumBrowser::FollowTargets() {
    Devtools().Call("Target.setDiscoverTargets", {{"discover", true}, {"filter", json::array({{{"type", "page"}}})}});
}

void ChromiumBrowser::ApplyTargetEvents() {
    DevToolsPipe& devtools = Devtools();
    devtools.Pump();
    for (const json& event : devtools.TakeEvents()) {
        const std::string method = event.value("method", "");
        const json& params = event.contains("params") ? event.at("params") : json::object();
        Field(method.c_str(), [&] {
            if (method == "Target.targetCreated" || method == "Target.targetInfoChanged") {
                const json& info = params.at("targetInfo");
                if (info.value("type", "") != "page") return 0;
                const std::string id = info.at("targetId").get<std::string>();
                auto [entry, added] = targets_.try_emplace(id);
                if (added) entry->second.order = nextTargetOrder_++;
                entry->second.title = info.value("title", "");
                entry->second.url = info.value("url", "");
            } else if (method == "Target.targetDestroyed") {
                const std::string id = params.at("targetId").get<std::string>();
                targets_.erase(id);
                closing_.erase(id);
            }
            return 0;
        });
    }
}

std::vector<ChromiumBrowser::SeenTarget> ChromiumBrowser::ReadTargets() {
    ApplyTargetEvents();
    // A target's window is asked once; each window's state at every reading.
    std::map<std::int64_t, std::string> states;
    std::map<std::int64_t, std::optional<Clock::time_point>> stateReads;  // when asked now; empty when kept
    std::vector<SeenTarget> seen;
    for (auto entry = targets_.begin(); entry != targets_.end();) {
        KnownTarget& known = entry->second;
        if (!known.windowId) {
            try {
                const json window = Devtools().Call("Browser.getWindowForTarget", {{"targetId", entry->first}});
                known.windowId = Field("Browser.getWindowForTarget", [&] { return window.at("windowId").get<std::int64_t>(); });
            } catch (const PlatformError& error) {
                if (!TargetGone(error)) throw;
                entry = targets_.erase(entry);
                continue;
            }
        }
        if (!states.contains(*known.windowId)) {
            // Only the user changes a window's state besides us, and a tenth of a second late is soon
            // enough to notice: asking at every poll cost as much as all the rest of it.
            const Window* shown = WindowById(*known.windowId);
            if (shown != nullptr && !shown->state.empty() && Clock::now() - shown->stateReadAt < kWindowStateAge) {
                states[*known.windowId] = shown->state;
                stateReads[*known.windowId] = std::nullopt;
            }
        }
        if (!states.contains(*known.windowId)) {
            stateReads[*known.windowId] = Clock::now();
            try {
                const json bounds = Devtools().Call("Browser.getWindowBounds", {{"windowId", *known.windowId}});
                states[*known.windowId] =
                    Field("Browser.getWindowBounds", [&] { return bounds.at("bounds").value("windowState", "normal"); });
            } catch (const PlatformError& error) {
                if (!TargetGone(error)) throw;
                states[*known.windowId] = {};  // the window went: its targets' end is on its way
            }
        }
        const std::string& state = states[*known.windowId];
        if (!state.empty() && !closing_.contains(entry->first)) {
            seen.push_back({.id = entry->first, .title = known.title, .url = known.url, .windowId = *known.windowId,
                            .state = state, .stateReadAt = stateReads[*known.windowId], .order = known.order});
        }
        ++entry;
    }
    std::sort(seen.begin(), seen.end(), [](const SeenTarget& a, const SeenTarget& b) { return a.order < b.order; });
    return seen;
}

ChromiumBrowser::Window& ChromiumBrowser::AddWindow(std::int64_t id) {
    auto added = std::make_unique<Window>();
    added->id = id;
    added->edge = std::make_unique<uia_tree::EdgeWindowShape>(tree_, uia_tree::EdgeLanguage::Japanese());
    const std::weak_ptr<ChromiumBrowser*> self = self_;
    const auto withWindow = [self, id](auto action) {
        return [self, id, action](auto&&... arguments) {
            const auto owner = self.lock();
            if (!owner || *owner == nullptr) return;
            ChromiumBrowser& browser = **owner;
            for (const auto& each : browser.windows_)
                if (each->id == id) return action(browser, *each, arguments...);
        };
    };
    const uia_tree::NodePtr& node = added->edge->node();
    node->name = "Chromium";
    node->onClose = withWindow([](ChromiumBrowser& browser, Window& window, uia_tree::Node&) { browser.Close(window); });
    node->onVisualState = withWindow([](ChromiumBrowser& browser, Window& window, uia_tree::Node&, std::int32_t state) {
        browser.SetState(window, state);
    });
    const auto focus = [self](uia_tree::Node& focused) {
        if (const auto owner = self.lock(); owner && *owner != nullptr) (*owner)->focused_ = focused.shared_from_this();
    };
    node->onFocus = focus;
    added->edge->addressEdit()->onFocus = focus;
    added->edge->addressEdit()->onSetValue =
        withWindow([](ChromiumBrowser&, Window& window, uia_tree::Node&, const std::string&) { window.addressTyped = true; });
    windows_.insert(windows_.begin(), std::move(added));
    return *windows_.front();
}

void ChromiumBrowser::UpdateTabs(Window& window, const std::vector<const SeenTarget*>& targets) {
    std::erase_if(window.tabs, [&](const std::unique_ptr<Tab>& tab) {
        const bool gone = std::none_of(targets.begin(), targets.end(),
                                       [&](const SeenTarget* target) { return target->id == tab->targetId; });
        if (gone) window.edge->RemoveTab(tab->edge);
        return gone;
    });
    Tab* newest = nullptr;
    const std::weak_ptr<ChromiumBrowser*> self = self_;
    for (const SeenTarget* target : targets) {
        Tab* tab = window.Find(target->id);
        if (tab == nullptr) {
            auto added = std::make_unique<Tab>();
            added->targetId = target->id;
            added->edge = window.edge->AddTab();
            added->edge.item->onSelect = [self, targetId = target->id](uia_tree::Node&) {
                const auto owner = self.lock();
                if (!owner || *owner == nullptr) return;
                for (const auto& each : (*owner)->windows_)
                    if (Tab* selected = each->Find(targetId)) return (*owner)->Select(*each, *selected);
            };
            tab = added.get();
            window.tabs.push_back(std::move(added));
            newest = tab;  // the browser brings a new tab to the front
        }
        // The browser tells of a new title late, or not at all; a title read off the page wins.
        const bool pageNamed = tab->page && tab->page->document() && !tab->page->document()->name.empty();
        tab->edge.item->name = pageNamed             ? tab->page->document()->name
                                : target->title.empty() ? target->url
                                                        : target->title;
        tab->address = target->url;
        window.state = target->state;
        if (target->stateReadAt) window.stateReadAt = *target->stateReadAt;
    }
    window.edge->node()->visualState = VisualStateOf(window.state);

    Tab* selected = newest != nullptr ? newest : window.Selected();
    if (selected == nullptr && !window.tabs.empty()) selected = window.tabs.back().get();
    if (selected == nullptr) return;
    if (selected != window.Selected()) {
        window.edge->Show(selected->edge, selected->address);
        window.addressTyped = false;
    }
    if (!window.addressTyped) window.edge->addressEdit()->value = selected->address;
    window.edge->node()->name = selected->edge.item->name + " - Chromium";
}

const std::string& ChromiumBrowser::SessionOf(Tab& tab) {
    if (tab.session.empty()) tab.session = AttachToPage(Devtools(), tab.targetId);
    return tab.session;
}

void ChromiumBrowser::RefreshPage(Tab& tab) {
    tab.pageFresh = true;
    // Reading a whole page costs far more than asking whether it changed.
    const std::string mark = PageChangeMark(Devtools(), SessionOf(tab));
    if (tab.page && !mark.empty() && mark == tab.shownMark) return;
    tab.shownMark.clear();
    const PageSnapshot snapshot = FetchPageSnapshot(Devtools(), SessionOf(tab));
    ControlElement view;
    try {
        view = BuildControlView(snapshot);
    } catch (const PlatformError& error) {
        if (error.code() == kInvalidData) return;  // between two documents: the last one stays
        throw;
    }
    if (!tab.page) {
        const std::weak_ptr<ChromiumBrowser*> self = self_;
        PageMirror::Actions actions{
            .invoke = [self, targetId = tab.targetId](std::int64_t backendNodeId) {
                if (const auto owner = self.lock(); owner && *owner != nullptr)
                    (*owner)->Invoke(targetId, backendNodeId);
            },
            .focus = [self](uia_tree::Node& focused) {
                if (const auto owner = self.lock(); owner && *owner != nullptr)
                    (*owner)->focused_ = focused.shared_from_this();
            }};
        tab.page = std::make_unique<PageMirror>(tree_, tab.edge.contents, std::move(actions));
    }
    tab.page->Show(view, snapshot.documentId);
    tab.shownMark = mark;
    if (!view.name.empty()) tab.edge.item->name = view.name;
}

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
        browserStale_ = true;
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
        browserStale_ = true;
    });
}

void ChromiumBrowser::Navigate(Tab& tab, const std::string& address) {
    EndingIfGone([&] {
        Devtools().Call("Page.navigate", {{"url", options_.redirect.Apply(address)}}, SessionOf(tab));
        browserStale_ = true;
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
