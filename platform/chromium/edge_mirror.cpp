#include "chromium/chromium_browser.h"

#include <algorithm>

#include "chromium/page_snapshot.h"

#include "chromium/chromium_browser_parts.h"

namespace tidemark::chromium {

using namespace browser_parts;

namespace {
namespace visual_state = uia::visual_state;

std::int32_t VisualStateOf(const std::string& windowState) {
    if (windowState == "minimized") return visual_state::Minimized;
    if (windowState == "maximized" || windowState == "fullscreen") return visual_state::Maximized;
    return visual_state::Normal;
}
}  // namespace

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
    node->onClose =
        withWindow([](ChromiumBrowser& browser, Window& window, uia_tree::Node&) { browser.Close(window); });
    node->onVisualState = withWindow([](ChromiumBrowser& browser, Window& window, uia_tree::Node&, std::int32_t state) {
        browser.SetState(window, state);
    });
    const auto focus = [self](uia_tree::Node& focused) {
        if (const auto owner = self.lock(); owner && *owner != nullptr) (*owner)->focused_ = focused.shared_from_this();
    };
    node->onFocus = focus;
    added->edge->addressEdit()->onFocus = focus;
    added->edge->addressEdit()->onSetValue = withWindow(
        [](ChromiumBrowser&, Window& window, uia_tree::Node&, const std::string&) { window.addressTyped = true; });
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
        tab->edge.item->name = pageNamed               ? tab->page->document()->name
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
    if (tab.session.empty()) {
        const std::string session = AttachToPage(Devtools(), tab.targetId);
        FollowPageEvents(Devtools(), session);
        tab.session = session;
        tab.world.reset();
        tab.pageChanged = true;
    }
    return tab.session;
}

void ChromiumBrowser::RefreshPage(Tab& tab) {
    tab.pageFresh = true;
    // Our watcher tells of every change by an event, so an unchanged page costs no call.
    if (tab.page && tab.world && !tab.pageChanged) return;
    // Cleared before reading: a change during the reading is told by an event taken at the next poll.
    tab.pageChanged = false;
    const std::string& session = SessionOf(tab);
    if (!tab.world || !ArmObserver(Devtools(), session, *tab.world)) tab.world = InstallObserver(Devtools(), session);
    const PageSnapshot snapshot = FetchPageSnapshot(Devtools(), session);
    ControlElement view;
    try {
        view = BuildControlView(snapshot);
    } catch (const PlatformError& error) {
        if (error.code() != kInvalidData) throw;
        tab.pageChanged = true;  // between two documents: the last one stays until the next reading
        return;
    }
    if (!tab.page) {
        const std::weak_ptr<ChromiumBrowser*> self = self_;
        PageMirror::Actions actions{.invoke =
                                        [self, targetId = tab.targetId](std::int64_t backendNodeId) {
                                            if (const auto owner = self.lock(); owner && *owner != nullptr)
                                                (*owner)->Invoke(targetId, backendNodeId);
                                        },
                                    .focus =
                                        [self](uia_tree::Node& focused) {
                                            if (const auto owner = self.lock(); owner && *owner != nullptr)
                                                (*owner)->focused_ = focused.shared_from_this();
                                        }};
        tab.page = std::make_unique<PageMirror>(tree_, tab.edge.contents, std::move(actions));
    }
    tab.page->Show(view, snapshot.documentId);
    pageReadAt_ = Clock::now();
    if (!view.name.empty()) tab.edge.item->name = view.name;
}

}  // namespace tidemark::chromium
