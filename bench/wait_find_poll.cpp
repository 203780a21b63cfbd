// The cost of one WaitFindElement poll on a desktop of realistic size: an
// Edge window with its chain of views, tab strip and tool bar, and a page
// of 200 elements, beside a few other top-level windows. Prints the virtual
// time one poll takes and the real time the simulation spends on it.

#include <chrono>
#include <cstdio>
#include <string>

#include "common/automation_startup.h"
#include "sim/sim_platform.h"
#include "uia/search.h"

namespace {

using namespace tidemark;
namespace control = uia::control;

int CountNodes(const sim::Node& node) {
    int count = 1;
    for (const sim::NodePtr& child : node.children()) count += CountNodes(*child);
    return count;
}

void BuildEdgeLikeDesktop(sim::Desktop& desktop) {
    const sim::NodePtr& root = desktop.root();
    for (int i = 0; i < 5; ++i) {
        const sim::NodePtr other = root->Add({.name = "Other " + std::to_string(i),
                                              .controlType = control::Window,
                                              .className = "OtherWindow",
                                              .window = true});
        for (int j = 0; j < 8; ++j) other->Add({.name = "control " + std::to_string(j)});
    }
    const sim::NodePtr window = root->Add({.name = "FAST - Microsoft Edge",
                                           .controlType = control::Window,
                                           .localizedControlType = "ウィンドウ",
                                           .className = "Chrome_WidgetWin_1",
                                           .window = true});
    const sim::NodePtr browserView = window->Add({.className = "BrowserRootView"})
                                         ->Add({.className = "NonClientView"})
                                         ->Add({.className = "EdgeBrowserFrameViewWin"})
                                         ->Add({.className = "BrowserView"});
    const sim::NodePtr tabs = browserView->Add({.name = "タブ バー", .className = "EdgeTabStripRegionView"})
                                  ->Add({.className = "EdgeTabStrip"})
                                  ->Add({.className = "EdgeTabContainerImpl"});
    for (int i = 0; i < 5; ++i)
        tabs->Add({.name = "tab " + std::to_string(i),
                   .controlType = control::TabItem,
                   .className = "EdgeTab",
                   .selectionItem = true});
    const sim::NodePtr toolbar = browserView->Add({.name = "アプリ バー", .className = "EdgeToolbarView"});
    for (int i = 0; i < 12; ++i) toolbar->Add({.name = "tool " + std::to_string(i), .controlType = control::Button});
    toolbar->Add({.className = "LocationBarView"})
        ->Add({.name = "アドレスと検索バー", .className = "OmniboxViewViews", .value = true});
    const sim::NodePtr document = browserView->Add({.className = "SidebarContentsSplitView"})
                                      ->Add({.name = "Internet Speed Test | Fast.com",
                                             .controlType = control::Document,
                                             .automationId = "RootWebArea"});
    // 200 page elements: 20 groups of a heading and 9 texts, links and buttons.
    for (int group = 0; group < 20; ++group) {
        const sim::NodePtr section = document->Add({.controlType = control::Group, .className = "section"});
        for (int i = 0; i < 9; ++i)
            section->Add({.name = "item " + std::to_string(group * 10 + i),
                          .controlType = i % 3 == 0 ? control::Hyperlink : control::Text});
    }
}

}  // namespace

int main() {
    sim::SimPlatform sim;
    Context context(sim.platform());
    InitAutomation(context);
    BuildEdgeLikeDesktop(sim.desktop);
    uia::Ref<uia::Element> desktopElement = context.automation.desktop;

    constexpr double kTimeoutMs = 100'000;  // 10,000 polls for an element that never shows
    uia::Ref<uia::Element> found;
    const double virtualStart = sim.clock.ElapsedMs();
    const std::int64_t findsBefore = sim.desktop.calls(sim::Call::FindFirst);
    const auto realStart = std::chrono::steady_clock::now();
    const bool ok = uia::WaitFindElement(context, found, "never there", control::Button, "", "", "speed-results",
                                         uia::scope::Subtree, desktopElement, kTimeoutMs, true);
    const auto realEnd = std::chrono::steady_clock::now();
    const auto polls = static_cast<int>(sim.desktop.calls(sim::Call::FindFirst) - findsBefore);
    const double virtualMs = sim.clock.ElapsedMs() - virtualStart;
    const double realUs = std::chrono::duration<double, std::micro>(realEnd - realStart).count();

    std::printf("desktop nodes: %d\n", CountNodes(*sim.desktop.root()));
    std::printf("WaitFindElement (Subtree of the desktop, no match, limit %.0f ms): %s after %d polls\n", kTimeoutMs,
                ok ? "found" : "not found", polls);
    std::printf("per poll: %.3f ms virtual, %.2f us real\n", virtualMs / polls, realUs / polls);
    std::printf("whole wait: %.0f ms virtual, %.1f ms real\n", virtualMs, realUs / 1000.0);
    found.reset();
    desktopElement.reset();
    context.automation = AutomationState{};
    return sim.desktop.live().total() == 0 && !ok && polls > 0 ? 0 : 1;
}
