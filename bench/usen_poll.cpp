// The cost of one poll of TestUSEN's thirty-second wait on the simulated
// USEN page, in an Edge window beside a few other top-level windows. The
// measurement never ends, so the test polls until its limit; each poll
// pauses, checks that the window answers and is not minimised, checks again
// and searches the abort link. Prints the virtual and the real time of one
// poll, and of a measurement that ends after twenty seconds.

#include <cstdio>
#include <string>

#include "bench_edge_desktop.h"
#include "bench_stopwatch.h"
#include "sim/sim_edge.h"
#include "sim/sim_platform.h"
#include "sim/sim_usen_page.h"
#include "sites/site_page.h"
#include "sites/site_table.h"
#include "sites/usen_site.h"

namespace {

using namespace tidemark;
namespace control = uia::control;

struct Measurement {
    bool ok;
    int polls;
    double virtualMs;
    double realUs;
};

Measurement TimeMeasurement(sim::SimPlatform& sim, Context& context) {
    uia::Ref<uia::Element> window, browserView, tab, document;
    bool timedOut = false;
    if (!OpenSitePage(context, window, browserView, tab, document, std::string(kSiteUSEN.address),
                      std::string(kSiteUSEN.title), timedOut))
        return {false, 0, 0, 0};
    std::string texts[8];
    const std::int64_t findsBefore = sim.desktop.calls(sim::Call::FindFirst);
    const bench::Stopwatch stopwatch(sim.clock);
    const bool ok = TestUSEN(context, window, browserView, tab, document, texts[0], texts[1], texts[2], texts[3],
                             texts[4], texts[5], texts[6], texts[7]);
    const double realUs = stopwatch.RealUs();
    // One search for the start link, one for the abort link after the press, then one per poll
    // (and one per label read when the measurement ends).
    const auto polls = static_cast<int>(sim.desktop.calls(sim::Call::FindFirst) - findsBefore - 2);
    return {ok, polls, stopwatch.VirtualMs(), realUs};
}

}  // namespace

int main() {
    bench::BenchEdgeDesktop bench;
    sim::SimPlatform& sim = bench.sim;
    Context& context = bench.context;
    sim::SimEdge& edge = bench.edge;
    sim::LineModel& line = bench.line;
    sim::UsenPage usen(line);
    usen.Register(edge);

    usen.settings.neverFinishes = true;
    const Measurement never = TimeMeasurement(sim, context);
    std::printf("TestUSEN, measurement never ends: %s after %d polls, %.0f ms virtual, %.1f ms real\n",
                never.ok ? "read" : "gave up", never.polls, never.virtualMs, never.realUs / 1000.0);
    std::printf("per poll: %.3f ms virtual, %.2f us real\n", never.virtualMs / never.polls, never.realUs / never.polls);

    usen.settings.neverFinishes = false;
    const Measurement ends = TimeMeasurement(sim, context);
    std::printf("TestUSEN, measurement of %.0f ms: %s, %.0f ms virtual, %.1f ms real\n", usen.settings.measureMs,
                ends.ok ? "read" : "gave up", ends.virtualMs, ends.realUs / 1000.0);

    context.automation = AutomationState{};
    return sim.desktop.live().total() == 0 && !never.ok && ends.ok && never.polls > 0 ? 0 : 1;
}
