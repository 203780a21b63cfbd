#pragma once

// The simulated desktop with the simulated Edge and the three pages on a
// steady line, whose UI Automation reaches the core by one of two routes:
// straight from the in-memory tree, as in the simulation tests, or through
// the real COM adapter into the test server over the same tree.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/form1.h"
#include "run/run_host.h"
#include "com_apartment.h"
#include "common/context.h"
#include "sim/sim_edge.h"
#include "sim/sim_measurement_sites.h"
#include "sim/sim_platform.h"
#include "test_server.h"

namespace tidemark::win32::testing {

enum class Route { Tree, Com };

// The adapter over the test server, in the system's place.
class TestServerFactory final : public AutomationFactory {
public:
    TestServerFactory(uia_tree::Tree& tree, uia_server::ReferenceLedger& ledger) : tree_(tree), ledger_(ledger) {}
    uia::Ref<uia::Automation> CreateAutomation() override;
    uia::WindowHandle GetDesktopWindow() override { return uia_tree::Tree::kDesktopHandle; }

private:
    uia_tree::Tree& tree_;
    uia_server::ReferenceLedger& ledger_;
};

// The status line of the runs, every text it showed.
class StatusRecord final : public RunHost {
public:
    void SetStatus(const std::string& text) override { texts.push_back(text); }
    void AbortSchedule() override { ++aborts; }

    std::vector<std::string> texts;
    int aborts = 0;
};

class ComDesktop {
public:
    explicit ComDesktop(Route route);
    ComDesktop(const ComDesktop&) = delete;
    ComDesktop& operator=(const ComDesktop&) = delete;

    // Sets up UI Automation and the Edge path as the window's start does.
    void Prepare();
    // One measurement run with the window's Edge window and tab.
    void Run(const RunSettings& settings);
    // Drops every reference the core holds, the automation object last.
    void DropReferences();

    std::string Csv() const;
    sim::EdgeWindowPtr FrontWindow() const { return edge.windows().front(); }
    // How often the core's calls reached the tree, by call.
    std::array<std::int64_t, uia_tree::kCallCount> TreeCalls() const;

    ComApartment apartment;
    sim::SimPlatform sim;
    uia_server::ReferenceLedger ledger;
    TestServerFactory serverFactory{sim.desktop.tree(), ledger};
    Platform platform;
    Context context{platform};
    sim::SimEdge edge{sim.desktop};
    sim::MeasurementSites sites{{.mean = {94.52, 38.21, 12.3, 2.1}, .spread = 0.0}};
    Form1 form{context};
    StatusRecord status;
    const std::string csvPath = std::string(sim::SimFileSystem::kDocuments) + "\\Tidemark.csv";
};

}  // namespace tidemark::win32::testing
