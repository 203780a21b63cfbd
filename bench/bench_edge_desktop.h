#pragma once

// The desktop the poll benchmarks measure on: the simulated Edge, which the
// process starter plays, beside a few other top-level windows, and a line
// for the simulated pages to measure.

#include <string>

#include "common/automation_startup.h"
#include "common/edge_path.h"
#include "sim/sim_edge.h"
#include "sim/sim_line_model.h"
#include "sim/sim_platform.h"

namespace tidemark::bench {

struct BenchEdgeDesktop {
    BenchEdgeDesktop() {
        InitAutomation(context);
        GetEdgePath(context);
        edge.Attach(sim.processStarter, sim.keyboard);
        for (int i = 0; i < 5; ++i) {
            const sim::NodePtr other = sim.desktop.root()->Add({.name = "Other " + std::to_string(i),
                                                                .controlType = uia::control::Window,
                                                                .className = "OtherWindow",
                                                                .window = true});
            for (int j = 0; j < 8; ++j) other->Add({.name = "control " + std::to_string(j)});
        }
    }

    sim::SimPlatform sim;
    Context context{sim.platform()};
    sim::SimEdge edge{sim.desktop};
    sim::LineModel line;
};

}  // namespace tidemark::bench
