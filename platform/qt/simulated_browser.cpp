#include "qt/simulated_browser.h"

#include <chrono>

namespace tidemark::qt {

namespace {
// Each start of the program measures a line of its own.
sim::LineModel::Settings VaryingLine() {
    sim::LineModel::Settings settings;
    settings.seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    return settings;
}
}  // namespace

SimulatedBrowser::SimulatedBrowser(uia_tree::Tree& tree, Clock& clock)
    : desktop(tree, clock), edge(desktop), sites(VaryingLine()) {
    // What tests would read of the program's actions would only grow here.
    desktop.RecordActions(false);
    sites.Register(edge);
}

void SimulatedBrowser::Start(const std::string& program, const std::string& arguments) {
    if (!edge.Start(program, arguments))
        throw PlatformError(kFileNotFound, "no program at " + program + " (arguments:" + arguments + ")");
}

}  // namespace tidemark::qt
