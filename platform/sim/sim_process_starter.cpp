#include "sim/sim_process_starter.h"

namespace tidemark::sim {

void SimProcessStarter::Start(const std::string& commandLine) {
    commandLines_.push_back(commandLine);
    if (failure_ != kSOk) throw PlatformError(failure_, "sim: the process cannot be started");
    if (onStart) onStart(commandLine);
}

}  // namespace tidemark::sim
