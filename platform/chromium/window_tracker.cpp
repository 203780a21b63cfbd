#include "chromium/window_tracker.h"

#include <algorithm>

#include "chromium/reply_fields.h"

namespace tidemark::chromium {

using nlohmann::json;

namespace {
namespace visual_state = uia::visual_state;

// Only the user changes a window's state besides us: asked again at most this often.
constexpr auto kWindowStateAge = std::chrono::milliseconds(100);

std::int32_t VisualStateOf(const std::string& windowState) {
    if (windowState == "minimized") return visual_state::Minimized;
    if (windowState == "maximized" || windowState == "fullscreen") return visual_state::Maximized;
    return visual_state::Normal;
}
}  // namespace

BrowserTab* BrowserWindow::Selected() const {
    for (const auto& tab : tabs)
        if (tab->edge.item->selected) return tab.get();
    return nullptr;
}

bool BrowserWindow::Watched() const {
    const BrowserTab* tab = Selected();
    return tab != nullptr && tab->page->watched();
}

BrowserTab* BrowserWindow::Find(const std::string& targetId) const {
    for (const auto& tab : tabs)
        if (tab->targetId == targetId) return tab.get();
    return nullptr;
}

WindowTracker::WindowTracker(uia_tree::Tree& tree, WindowHooks hooks) : tree_(tree), hooks_(std::move(hooks)) {}

WindowTracker::~WindowTracker() { Clear(); }

void WindowTracker::Clear() {
    for (const auto& window : windows_)
        if (!window->edge->node()->removed()) window->edge->node()->Remove();
    windows_.clear();
    closing_.clear();
    targets_.clear();
    adopted_.clear();
    moved_ = true;
}

void WindowTracker::Forget(std::int64_t windowId) {
    std::erase_if(windows_, [windowId](const std::unique_ptr<BrowserWindow>& each) { return each->id == windowId; });
    moved_ = true;
}

BrowserWindow* WindowTracker::WindowById(std::int64_t id) const {
    for (const auto& window : windows_)
        if (window->id == id) return window.get();
    return nullptr;
}

std::pair<BrowserWindow*, BrowserTab*> WindowTracker::FindTab(const std::string& targetId) const {
    for (const auto& window : windows_)
        if (BrowserTab* tab = window->Find(targetId)) return {window.get(), tab};
    return {nullptr, nullptr};
}

void WindowTracker::Follow(DevToolsPipe& devtools) {
    devtools.Call("Target.setDiscoverTargets", {{"discover", true}, {"filter", json::array({{{"type", "page"}}})}});
}

void WindowTracker::Refresh(DevToolsPipe& devtools) {
    ApplyTargetEvents(devtools);
    // Nothing told of a change: the tree stands as it is, and only the pages may be read again.
    if (!moved_ && !StateDue()) return;
    const std::vector<SeenTarget> targets = ReadTargets(devtools);

    std::erase_if(windows_, [&](const std::unique_ptr<BrowserWindow>& window) {
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
    }
    // Only now: a reading that broke off leaves what it took in to be applied at the next.
    moved_ = false;
}

void WindowTracker::ApplyTargetEvents(DevToolsPipe& devtools) {
    devtools.Pump();
    for (const json& event : devtools.TakeEvents()) {
        if (event.contains("sessionId")) {
            ApplyPageEvent(event);
            continue;
        }
        moved_ = true;
        const std::string method = event.value("method", "");
        const json& params = event.contains("params") ? event.at("params") : json::object();
        try {
            ApplyTargetEvent(method, params);
        } catch (const PlatformError& error) {
            if (error.code() != kInvalidData) throw;  // an event out of shape skips only itself
        }
    }
}

void WindowTracker::ApplyTargetEvent(const std::string& method, const json& params) {
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
            adopted_.erase(id);
        } else if (method == "Target.targetCrashed" || method == "Target.detachedFromTarget") {
            // Our watcher went with the renderer, or the session it spoke on (not another's on the
            // same target): the page is read afresh.
            const bool detached = method == "Target.detachedFromTarget";
            const std::string id = detached ? std::string() : params.at("targetId").get<std::string>();
            const std::string session = detached ? params.at("sessionId").get<std::string>() : std::string();
            for (const auto& window : windows_) {
                for (const auto& tab : window->tabs) {
                    if (detached ? tab->page->session() != session : tab->targetId != id) continue;
                    if (detached) {
                        tab->page->Detached();
                    } else {
                        tab->page->Crashed();
                    }
                }
            }
        }
        return 0;
    });
}

void WindowTracker::ApplyPageEvent(const json& event) {
    const std::string session = event.value("sessionId", "");
    for (const auto& window : windows_) {
        for (const auto& tab : window->tabs) {
            if (tab->page->session().empty() || tab->page->session() != session) continue;
            switch (tab->page->Take(event)) {
                case PageNews::WindowMoved:
                    window->stateReadAt = {};
                    moved_ = true;
                    break;
                case PageNews::Replaced: moved_ = true; break;  // a watched window is watched no more
                default: break;
            }
            return;
        }
    }
}

bool WindowTracker::StateKnown(const BrowserWindow& window) const {
    // Only the user changes a window's state besides us. A watched page tells when its window
    // is resized, hidden or shown; else a tenth of a second late is soon enough to notice.
    if (window.state.empty()) return false;
    const bool told = window.Watched() && window.stateReadAt != Clock::time_point{};
    return told || Clock::now() - window.stateReadAt < kWindowStateAge;
}

bool WindowTracker::StateDue() const {
    return std::any_of(windows_.begin(), windows_.end(), [&](const auto& window) { return !StateKnown(*window); });
}

std::vector<WindowTracker::SeenTarget> WindowTracker::ReadTargets(DevToolsPipe& devtools) {
    // A target's window is asked once; each window's state at every reading.
    std::map<std::int64_t, std::string> states;
    std::map<std::int64_t, std::optional<Clock::time_point>> stateReads;  // when asked now; empty when kept
    std::vector<SeenTarget> seen;
    for (auto entry = targets_.begin(); entry != targets_.end();) {
        KnownTarget& known = entry->second;
        if (!known.windowId) {
            try {
                const json window = devtools.Call("Browser.getWindowForTarget", {{"targetId", entry->first}});
                known.windowId =
                    Field("Browser.getWindowForTarget", [&] { return window.at("windowId").get<std::int64_t>(); });
            } catch (const PlatformError& error) {
                if (!TargetGone(error)) throw;
                entry = targets_.erase(entry);
                continue;
            }
        }
        if (!states.contains(*known.windowId)) {
            const BrowserWindow* shown = WindowById(*known.windowId);
            if (shown != nullptr && StateKnown(*shown)) {
                states[*known.windowId] = shown->state;
                stateReads[*known.windowId] = std::nullopt;
            }
        }
        if (!states.contains(*known.windowId)) {
            stateReads[*known.windowId] = Clock::now();
            try {
                const json bounds = devtools.Call("Browser.getWindowBounds", {{"windowId", *known.windowId}});
                states[*known.windowId] = Field("Browser.getWindowBounds",
                                                [&] { return bounds.at("bounds").value("windowState", "normal"); });
            } catch (const PlatformError& error) {
                if (!TargetGone(error)) throw;
                states[*known.windowId] = {};  // the window went: its targets' end is on its way
            }
        }
        const std::string& state = states[*known.windowId];
        if (!state.empty() && !closing_.contains(entry->first)) {
            seen.push_back({.id = entry->first,
                            .title = known.title,
                            .url = known.url,
                            .windowId = *known.windowId,
                            .state = state,
                            .stateReadAt = stateReads[*known.windowId],
                            .order = known.order});
        }
        ++entry;
    }
    std::sort(seen.begin(), seen.end(), [](const SeenTarget& a, const SeenTarget& b) { return a.order < b.order; });
    return seen;
}

BrowserWindow& WindowTracker::AddWindow(std::int64_t id) {
    auto added = std::make_unique<BrowserWindow>();
    added->id = id;
    added->edge = std::make_unique<uia_tree::EdgeWindowShape>(tree_, uia_tree::EdgeLanguage::Japanese());
    const uia_tree::NodePtr& node = added->edge->node();
    node->name = "Chromium";
    node->onClose = [close = hooks_.close, id](uia_tree::Node&) { close(id); };
    node->onVisualState = [setState = hooks_.setState, id](uia_tree::Node&, std::int32_t state) {
        setState(id, state);
    };
    node->onFocus = hooks_.focus;
    added->edge->addressEdit()->onFocus = hooks_.focus;
    added->edge->addressEdit()->onSetValue = [typed = hooks_.addressTyped, id](uia_tree::Node&, const std::string&) {
        typed(id);
    };
    windows_.insert(windows_.begin(), std::move(added));
    return *windows_.front();
}

void WindowTracker::UpdateTabs(BrowserWindow& window, const std::vector<const SeenTarget*>& targets) {
    std::erase_if(window.tabs, [&](const std::unique_ptr<BrowserTab>& tab) {
        const bool gone = std::none_of(targets.begin(), targets.end(),
                                       [&](const SeenTarget* target) { return target->id == tab->targetId; });
        if (gone) window.edge->RemoveTab(tab->edge);
        return gone;
    });
    BrowserTab* newest = nullptr;
    for (const SeenTarget* target : targets) {
        BrowserTab* tab = window.Find(target->id);
        if (tab == nullptr) {
            auto added = std::make_unique<BrowserTab>();
            added->targetId = target->id;
            added->edge = window.edge->AddTab();
            added->edge.item->onSelect = [select = hooks_.select, targetId = target->id](uia_tree::Node&) {
                select(targetId);
            };
            added->page = std::make_unique<PageReader>(
                tree_, target->id, added->edge.contents,
                PageReader::Hooks{.invoke = [invoke = hooks_.invoke, targetId = target->id](
                                                std::int64_t backendNodeId) { invoke(targetId, backendNodeId); },
                                  .focus = hooks_.focus});
            if (const auto session = adopted_.find(target->id); session != adopted_.end()) {
                added->page->Adopt(session->second);
                adopted_.erase(session);
            }
            tab = added.get();
            window.tabs.push_back(std::move(added));
            newest = tab;  // the browser brings a new tab to the front
        }
        // The browser tells of a new title late, or not at all; a title read off the page wins.
        const std::string pageName = tab->page->documentName();
        tab->edge.item->name = !pageName.empty() ? pageName : target->title.empty() ? target->url : target->title;
        tab->address = target->url;
        window.state = target->state;
        if (target->stateReadAt) window.stateReadAt = *target->stateReadAt;
    }
    window.edge->node()->visualState = VisualStateOf(window.state);

    BrowserTab* selected = newest != nullptr ? newest : window.Selected();
    if (selected == nullptr && !window.tabs.empty()) selected = window.tabs.back().get();
    if (selected == nullptr) return;
    if (selected != window.Selected()) {
        window.edge->Show(selected->edge, selected->address);
        window.addressTyped = false;
    }
    if (!window.addressTyped) window.edge->addressEdit()->value = selected->address;
    window.edge->node()->name = selected->edge.item->name + " - Chromium";
}

}  // namespace tidemark::chromium
