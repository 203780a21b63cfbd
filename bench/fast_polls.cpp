// The cost of one poll of the page-title wait and of the FAST measurement
// wait on the simulated FAST page, on an Edge window of five tabs beside a
// few other windows. The title never matches and the measurement never
// ends, so each wait polls to its limit in virtual time.

#include <cstdio>
#include <string>

#include "bench_stopwatch.h"
#include "browser/edge_launch.h"
#include "common/automation_startup.h"
#include "common/edge_path.h"
#include "sim/sim_edge.h"
#include "sim/sim_fast_page.h"
#include "sim/sim_platform.h"
#include "sites/fast_site.h"
#include "sites/site_page.h"
#include "sites/site_table.h"

namespace {

using namespace tidemark;

// Counts the title wait's 20 ms pauses, which come once a poll.
class CountingSleeper : public Sleeper {
public:
    explicit CountingSleeper(Sleeper& inner) : inner_(inner) {}
    void Sleep(int milliseconds) override {
        if (milliseconds == 20) ++titlePolls;
        inner_.Sleep(milliseconds);
    }
    int titlePolls = 0;

private:
    Sleeper& inner_;
};

void Report(const char* wait, int polls, double virtualMs, double realUs) {
    std::printf("%s: %d polls, %.0f ms virtual, %.1f ms real; per poll %.3f ms virtual, %.2f us real\n", wait, polls,
                virtualMs, realUs / 1000.0, virtualMs / polls, realUs / polls);
}

}  // namespace

int main() {
    sim::SimPlatform sim;
    CountingSleeper sleeper(sim.clock);
    Platform& base = sim.platform();
    Platform platform{
        base.clock,         sleeper,           base.pump,           base.keyboard,          base.settings,
        base.instanceLock,  base.messageBoxes, base.processStarter, base.browserLocation,   base.windowOrder,
        base.beeper,        base.environment,  base.locale,         base.automationFactory, base.files,
        base.specialFolders};
    Context context(platform);
    InitAutomation(context);
    GetEdgePath(context);
    sim::SimEdge edge(sim.desktop);
    edge.Attach(sim.processStarter, sim.keyboard);
    sim::LineModel line;
    sim::FastPage fast(line);
    fast.Register(edge);
    for (int i = 0; i < 5; ++i)
        sim.desktop.root()->Add({.name = "Other " + std::to_string(i),
                                 .controlType = uia::control::Window,
                                 .className = "OtherWindow",
                                 .window = true});
    const sim::EdgeWindowPtr window = edge.OpenWindow();
    for (int i = 0; i < 4; ++i) edge.OpenTab(window, "https://example.org/" + std::to_string(i));
    fast.settings.neverFinishes = true;
    edge.Navigate(window, window->tabs().back(), std::string(kSiteFAST.address));
    sim.clock.Sleep(1000);

    uia::Ref<uia::Element> edgeWindow = sim.desktop.ElementFor(window->node());
    uia::Ref<uia::Element> browserView, tab, document;
    bool timedOut = false;
    const bench::Stopwatch titleWait(sim.clock);
    const bool titleShown = WaitSitePage(context, edgeWindow, browserView, document, "never this title", timedOut);
    const double titleRealUs = titleWait.RealUs();
    Report("WaitSitePage, title never shown", sleeper.titlePolls, titleWait.VirtualMs(), titleRealUs);

    std::string text, unit;
    const std::int64_t classReadsBefore = sim.desktop.calls(sim::Call::CurrentClassName);
    const bench::Stopwatch fastWait(sim.clock);
    const bool measured = TestFAST(context, edgeWindow, browserView, tab, document, text, unit);
    const double fastRealUs = fastWait.RealUs();
    // One look at the progress indicator's class a poll.
    Report("TestFAST, measurement never ends",
           static_cast<int>(sim.desktop.calls(sim::Call::CurrentClassName) - classReadsBefore), fastWait.VirtualMs(),
           fastRealUs);

    edgeWindow.reset();
    browserView.reset();
    document.reset();
    context.automation = AutomationState{};
    return sim.desktop.live().total() == 0 && !titleShown && timedOut && !measured ? 0 : 1;
}
