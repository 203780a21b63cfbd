// The cost of one poll of the SPEED page's two waits on a desktop of
// realistic size (a few other top-level windows beside the simulated Edge):
// the server-selection wait (the page document refreshed, four searches)
// and the gauge-gone wait in TestSPEED (the window's checks, one gauge
// search). Prints the virtual and the real time of one poll of each.

#include <cstdio>
#include <string>

#include "bench_edge_desktop.h"
#include "bench_stopwatch.h"
#include "sim/sim_edge.h"
#include "sim/sim_platform.h"
#include "sim/sim_speed_page.h"
#include "sites/site_page.h"
#include "sites/site_table.h"
#include "sites/speed_site.h"

namespace {

using namespace tidemark;
namespace control = uia::control;
struct Browser {
    uia::Ref<uia::Element> window, browserView, tab, document;

    bool Open(Context& context) {
        bool timedOut = false;
        return OpenSitePage(context, window, browserView, tab, document, std::string(kSiteSPEED.address),
                            std::string(kSiteSPEED.title), timedOut);
    }
};

}  // namespace

int main() {
    bench::BenchEdgeDesktop bench;
    sim::SimPlatform& sim = bench.sim;
    Context& context = bench.context;
    sim::SimEdge& edge = bench.edge;
    sim::LineModel& line = bench.line;
    sim::SpeedPage page(line);
    page.Register(edge);
    bool ok = true;

    // A chosen server ends the wait in its first poll: the mean of many such waits is one poll.
    Browser browser;
    page.settings.serverChoiceMs = 0;
    ok = browser.Open(context) && ok;
    std::string server;
    constexpr int kSinglePolls = 2000;
    std::int64_t findsBefore = sim.desktop.calls(sim::Call::FindFirst);
    const bench::Stopwatch singles(sim.clock);
    for (int i = 0; i < kSinglePolls; ++i)
        ok = WaitSpeedServerChosen(context, browser.window, browser.browserView, browser.document, server) && ok;
    const double singlesRealUs = singles.RealUs();
    const double pollVirtualMs = singles.VirtualMs() / kSinglePolls;
    const double findsPerPoll = double(sim.desktop.calls(sim::Call::FindFirst) - findsBefore) / kSinglePolls;
    std::printf("server wait, server chosen (%d waits of one poll): per poll %.3f ms virtual, %.2f us real\n",
                kSinglePolls, pollVirtualMs, singlesRealUs / kSinglePolls);

    // A server that is never chosen: the whole 60 s. Its page never ends a measurement either.
    page.settings.serverChoiceMs = sim::kForever;
    page.settings.measureMs = sim::kForever;
    ok = browser.Open(context) && ok;
    findsBefore = sim.desktop.calls(sim::Call::FindFirst);
    const bench::Stopwatch serverWait(sim.clock);
    const bool chosen = WaitSpeedServerChosen(context, browser.window, browser.browserView, browser.document, server);
    double realUs = serverWait.RealUs();
    double virtualMs = serverWait.VirtualMs();
    int polls = static_cast<int>(double(sim.desktop.calls(sim::Call::FindFirst) - findsBefore) / findsPerPoll + 0.5);
    ok = !chosen && polls > 0 && ok;
    std::printf(
        "server wait, never chosen: %s after %d polls, %.0f ms virtual, %.1f ms real; "
        "per poll %.3f ms virtual, %.2f us real\n",
        chosen ? "chosen" : "gave up", polls, virtualMs, realUs / 1000.0, virtualMs / polls, realUs / polls);

    // The gauge-gone wait runs its 90 s. Each poll reads the window's visual
    // state once; the press reads one property more.
    std::string texts[6];
    const std::int64_t readsBefore = sim.desktop.calls(sim::Call::GetCurrentPropertyValue);
    const bench::Stopwatch gaugeWait(sim.clock);
    const bool measured = TestSPEED(context, browser.window, browser.browserView, browser.tab, browser.document,
                                    texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]);
    realUs = gaugeWait.RealUs();
    virtualMs = gaugeWait.VirtualMs();
    polls = static_cast<int>(sim.desktop.calls(sim::Call::GetCurrentPropertyValue) - readsBefore - 1);
    ok = !measured && polls > 0 && ok;
    std::printf(
        "gauge-gone wait, never gone: %s after %d polls, %.0f ms virtual, %.1f ms real; "
        "per poll %.3f ms virtual, %.2f us real (the press and first gauge search included)\n",
        measured ? "measured" : "gave up", polls, virtualMs, realUs / 1000.0, virtualMs / polls, realUs / polls);

    browser = Browser{};
    context.automation = AutomationState{};
    return sim.desktop.live().total() == 0 && ok ? 0 : 1;
}
