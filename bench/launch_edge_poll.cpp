// The cost of one LaunchEdge poll on a desktop of realistic size: a few other
// top-level windows and the simulated Edge with five tabs, one showing a
// page of 200 elements. The new tab never comes, so LaunchEdge polls for its
// whole ten seconds of virtual time; each poll searches the windows, walks
// the chain of views and reads the tab strip. Prints the virtual and the
// real time of one poll, and of a launch that succeeds.

#include <cstdio>
#include <string>

#include "bench_edge_desktop.h"
#include "bench_stopwatch.h"
#include "browser/edge_launch.h"
#include "sim/sim_edge.h"
#include "sim/sim_platform.h"

namespace {

using namespace tidemark;
namespace control = uia::control;

void BuildPage(const sim::EdgePagePtr& page) {
    page->SetTitle("Internet Speed Test | Fast.com");
    for (int group = 0; group < 20; ++group) {
        const sim::NodePtr section = page->document->Add({.controlType = control::Group, .className = "section"});
        for (int i = 0; i < 9; ++i)
            section->Add({.name = "item " + std::to_string(group * 10 + i),
                          .controlType = i % 3 == 0 ? control::Hyperlink : control::Text});
    }
}

struct Launch {
    bool ok;
    int polls;
    double virtualMs;
    double realUs;
};

Launch TimeLaunch(sim::SimPlatform& sim, Context& context) {
    uia::Ref<uia::Element> window, browserView, tab, document;
    bool newWindow = false;
    const std::int64_t lctReadsBefore = sim.desktop.calls(sim::Call::CurrentLocalizedControlType);
    const bench::Stopwatch stopwatch(sim.clock);
    const bool ok = LaunchEdge(context, "https://fast.com/", window, browserView, tab, document, newWindow);
    const double realUs = stopwatch.RealUs();
    // Every tab-strip read asks the window's type once: once before the loop, once per poll.
    const auto polls = static_cast<int>(sim.desktop.calls(sim::Call::CurrentLocalizedControlType) - lctReadsBefore - 1);
    return {ok, polls, stopwatch.VirtualMs(), realUs};
}

}  // namespace

int main() {
    bench::BenchEdgeDesktop bench;
    sim::SimPlatform& sim = bench.sim;
    Context& context = bench.context;
    sim::SimEdge& edge = bench.edge;
    edge.RegisterPage("https://fast.com/", BuildPage);
    const sim::EdgeWindowPtr window = edge.OpenWindow("https://fast.com/");
    for (int i = 0; i < 4; ++i) edge.OpenTab(window, "https://example.org/" + std::to_string(i));
    window->Show(window->tabs().front());

    edge.options.tabDelayMs = sim::kForever;
    const Launch never = TimeLaunch(sim, context);
    std::printf("LaunchEdge, new tab never comes: %s after %d polls, %.0f ms virtual, %.1f ms real\n",
                never.ok ? "launched" : "gave up", never.polls, never.virtualMs, never.realUs / 1000.0);
    std::printf("per poll: %.3f ms virtual, %.2f us real\n", never.virtualMs / never.polls, never.realUs / never.polls);

    edge.options.tabDelayMs = 300;
    const Launch comes = TimeLaunch(sim, context);
    std::printf(
        "LaunchEdge, new tab after 300 ms, page after %.0f ms: %s after %d polls, %.0f ms virtual, %.1f us real\n",
        edge.options.pageDelayMs, comes.ok ? "launched" : "gave up", comes.polls, comes.virtualMs, comes.realUs);

    context.automation = AutomationState{};
    return sim.desktop.live().total() == 0 && !never.ok && comes.ok && never.polls > 0 ? 0 : 1;
}
