#include "com_desktop.h"

#include <memory>

#include "com_automation.h"
#include "common/automation_startup.h"
#include "common/edge_path.h"
#include "run/run_speed_tests.h"

namespace tidemark::win32::testing {

namespace {
Platform WithAutomation(Platform simulated, AutomationFactory& automation) {
    return {simulated.clock,
            simulated.sleeper,
            simulated.pump,
            simulated.keyboard,
            simulated.settings,
            simulated.instanceLock,
            simulated.messageBoxes,
            simulated.processStarter,
            simulated.browserLocation,
            simulated.windowOrder,
            simulated.beeper,
            simulated.environment,
            simulated.locale,
            automation,
            simulated.files,
            simulated.specialFolders};
}
}  // namespace

uia::Ref<uia::Automation> TestServerFactory::CreateAutomation() {
    return std::make_shared<ComAutomation>(uia_server::CreateTestAutomation(tree_, ledger_));
}

ComDesktop::ComDesktop(Route route)
    : platform(route == Route::Com ? WithAutomation(sim.platform(), serverFactory) : sim.platform()) {
    edge.Attach(sim.processStarter, sim.keyboard);
    sites.Register(edge);
}

void ComDesktop::Prepare() {
    InitAutomation(context);
    GetEdgePath(context);
}

void ComDesktop::Run(const RunSettings& settings) {
    RunSpeedTests(context, settings, status, form.elmEdgeWindow, form.elmEdgeTab);
}

void ComDesktop::DropReferences() {
    form.elmEdgeWindow.reset();
    form.elmEdgeTab.reset();
    context.automation = AutomationState{};
}

std::string ComDesktop::Csv() const { return sim.files.FileExists(csvPath) ? sim.files.Contents(csvPath) : ""; }

std::array<std::int64_t, uia_tree::kCallCount> ComDesktop::TreeCalls() const {
    std::array<std::int64_t, uia_tree::kCallCount> counts{};
    for (std::size_t call = 0; call < counts.size(); ++call)
        counts[call] = sim.desktop.calls(static_cast<uia_tree::Call>(call));
    return counts;
}

}  // namespace tidemark::win32::testing
