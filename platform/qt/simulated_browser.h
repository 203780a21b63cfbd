#pragma once

// The Linux build's browser for a demonstration: the simulated Edge showing
// the three simulated measurement pages on the real clock. The figures it
// produces come from a model of a line, not from the user's line.

#include "common/platform.h"
#include "sim/desktop.h"
#include "sim/sim_edge.h"
#include "sim/sim_measurement_sites.h"

namespace tidemark::qt {

class SimulatedBrowser : public ProcessStarter, public BrowserLocation {
public:
    // The simulation plays on `tree`, read on `clock`.
    SimulatedBrowser(uia_tree::Tree& tree, Clock& clock);

    // Plays Edge for its path; any other program is not there.
    void Start(const std::string& program, const std::string& arguments) override;
    // Edge is where Windows keeps it, so nothing else is registered.
    std::optional<std::string> FindInstalled() override { return std::nullopt; }

    sim::Desktop desktop;
    sim::SimEdge edge;
    sim::MeasurementSites sites;
};

}  // namespace tidemark::qt
