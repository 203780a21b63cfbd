#pragma once

#include <functional>
#include <vector>

#include "common/platform.h"

namespace tidemark::sim {

// Records each command line; the hook plays the started program (the simulated Edge).
class SimProcessStarter : public ProcessStarter {
public:
    void Start(const std::string& commandLine) override;

    // Start throws this code (kSOk: starts normally), as for a missing program.
    void FailWith(HResult code) { failure_ = code; }
    const std::vector<std::string>& commandLines() const { return commandLines_; }
    std::function<void(const std::string& commandLine)> onStart;

private:
    HResult failure_ = kSOk;
    std::vector<std::string> commandLines_;
};

}  // namespace tidemark::sim
