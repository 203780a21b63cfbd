#include "sim/sim_environment.h"

namespace tidemark::sim {

SimEnvironment::SimEnvironment() {
    variables_["USERNAME"] = "user";
    SetWindowsDirectory("C:\\Windows");
}

std::string SimEnvironment::Variable(const std::string& name) {
    const auto found = variables_.find(name);
    return found == variables_.end() ? std::string() : found->second;
}

void SimEnvironment::SetWindowsDirectory(const std::string& directory, char filler) {
    windowsBuffer_ = directory.substr(0, kBufferLength);
    windowsBuffer_.resize(kBufferLength, filler);
}

}  // namespace tidemark::sim
