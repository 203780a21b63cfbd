#pragma once

// The fixture of the browser tests: the simulated desktop with the simulated
// Edge playing the program at the Edge path, and the browser context the run
// would hold, dropped before the leak check.

#include "common/edge_path.h"
#include "sim/sim_edge.h"
#include "sim/sim_test.h"

namespace tidemark::test {

class EdgeTest : public SimTest {
protected:
    void SetUp() override {
        SimTest::SetUp();
        GetEdgePath(context);
        edge.Attach(sim.processStarter, sim.keyboard);
    }

    void TearDown() override {
        window.reset();
        browserView.reset();
        tab.reset();
        document.reset();
        tabs.reset();
        SimTest::TearDown();
    }

    // A window opened by the user, with tabs at these addresses, the last selected.
    sim::EdgeWindowPtr UserWindow(const std::vector<std::string>& addresses) {
        const sim::EdgeWindowPtr opened = edge.OpenWindow(addresses.front());
        for (std::size_t i = 1; i < addresses.size(); ++i) edge.OpenTab(opened, addresses[i]);
        sim.clock.Sleep(static_cast<int>(edge.options.pageDelayMs));
        desktop.RunDue();
        return opened;
    }

    const sim::StartedProcess& LastStart() const { return sim.processStarter.started().back(); }

    sim::SimEdge edge{desktop};
    uia::Ref<uia::Element> window, browserView, tab, document;
    uia::Ref<uia::ElementArray> tabs;
};

}  // namespace tidemark::test
