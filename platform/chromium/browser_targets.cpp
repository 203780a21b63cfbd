#include "chromium/chromium_browser.h"

#include <algorithm>
#include <map>
#include <optional>

#include "chromium/chromium_browser_parts.h"

namespace tidemark::chromium {

using namespace browser_parts;

namespace {
// Only the user changes a window's state besides us: asked again at most this often.
constexpr auto kWindowStateAge = std::chrono::milliseconds(100);
}  // namespace

ChromiumBrowser::Tab* ChromiumBrowser::Window::Selected() const {
    for (const auto& tab : tabs)
        if (tab->edge.item->selected) return tab.get();
    return nullptr;
}

bool ChromiumBrowser::Window::Watched() const {
    const Tab* tab = Selected();
    return tab != nullptr && tab->world.has_value();
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
    ApplyTargetEvents();
    if (!browserMoved_ && !StateDue()) {
        // Nothing told of a change: the tree stands as it is, and only the pages may be read again.
        for (const auto& window : windows_)
            for (const auto& tab : window->tabs) tab->pageFresh = false;
        browserStale_ = false;
        return;
    }
    browserMoved_ = false;
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
        if (event.contains("sessionId")) {
            ApplyPageEvent(event);
            continue;
        }
        browserMoved_ = true;
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
            } else if (method == "Target.targetCrashed" || method == "Target.detachedFromTarget") {
                // Our watcher went with the renderer, or the session it spoke on (not another's on the
                // same target): the page is read afresh.
                const bool detached = method == "Target.detachedFromTarget";
                const std::string id = detached ? std::string() : params.at("targetId").get<std::string>();
                const std::string session = detached ? params.at("sessionId").get<std::string>() : std::string();
                for (const auto& window : windows_) {
                    for (const auto& tab : window->tabs) {
                        if (detached ? tab->session != session : tab->targetId != id) continue;
                        if (detached) tab->session.clear();
                        tab->world.reset();
                        tab->pageChanged = true;
                    }
                }
            }
            return 0;
        });
    }
}

void ChromiumBrowser::ApplyPageEvent(const json& event) {
    const std::string session = event.value("sessionId", "");
    for (const auto& window : windows_) {
        for (const auto& tab : window->tabs) {
            if (tab->session.empty() || tab->session != session) continue;
            switch (ReadPageNews(event, session)) {
                case PageNews::None: break;
                case PageNews::Changed: tab->pageChanged = true; break;
                case PageNews::WindowMoved:
                    window->stateReadAt = {};
                    browserMoved_ = true;
                    break;
                case PageNews::Replaced:
                    tab->world.reset();
                    tab->pageChanged = true;
                    browserMoved_ = true;  // a watched window is watched no more
                    break;
            }
            return;
        }
    }
}

bool ChromiumBrowser::StateKnown(const Window& window) const {
    // Only the user changes a window's state besides us. A watched page tells when its window
    // is resized, hidden or shown; else a tenth of a second late is soon enough to notice.
    if (window.state.empty()) return false;
    const bool told = window.Watched() && window.stateReadAt != Clock::time_point{};
    return told || Clock::now() - window.stateReadAt < kWindowStateAge;
}

bool ChromiumBrowser::StateDue() const {
    return std::any_of(windows_.begin(), windows_.end(), [&](const auto& window) { return !StateKnown(*window); });
}

std::vector<ChromiumBrowser::SeenTarget> ChromiumBrowser::ReadTargets() {
    // A target's window is asked once; each window's state at every reading.
    std::map<std::int64_t, std::string> states;
    std::map<std::int64_t, std::optional<Clock::time_point>> stateReads;  // when asked now; empty when kept
    std::vector<SeenTarget> seen;
    for (auto entry = targets_.begin(); entry != targets_.end();) {
        KnownTarget& known = entry->second;
        if (!known.windowId) {
            try {
                const json window = Devtools().Call("Browser.getWindowForTarget", {{"targetId", entry->first}});
                known.windowId =
                    Field("Browser.getWindowForTarget", [&] { return window.at("windowId").get<std::int64_t>(); });
            } catch (const PlatformError& error) {
                if (!TargetGone(error)) throw;
                entry = targets_.erase(entry);
                continue;
            }
        }
        if (!states.contains(*known.windowId)) {
            const Window* shown = WindowById(*known.windowId);
            if (shown != nullptr && StateKnown(*shown)) {
                states[*known.windowId] = shown->state;
                stateReads[*known.windowId] = std::nullopt;
            }
        }
        if (!states.contains(*known.windowId)) {
            stateReads[*known.windowId] = Clock::now();
            try {
                const json bounds = Devtools().Call("Browser.getWindowBounds", {{"windowId", *known.windowId}});
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

}  // namespace tidemark::chromium
