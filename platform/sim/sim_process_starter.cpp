#include "sim/sim_process_starter.h"

namespace tidemark::sim {

void SimProcessStarter::Start(const std::string& program, const std::string& arguments) {
    started_.push_back({program, arguments});
    if (failure_ != kSOk) throw PlatformError(failure_, "sim: the process cannot be started");
    if (onStart) onStart(started_.back());
}

}  // namespace tidemark::sim
