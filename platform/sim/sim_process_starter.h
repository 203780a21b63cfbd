#pragma once

#include <functional>
#include <vector>

#include "common/platform.h"

namespace tidemark::sim {

struct StartedProcess {
    std::string program;
    std::string arguments;
    // The command line as the program sees it, path unquoted.
    std::string commandLine() const { return program + arguments; }
};

// Records each start; the hook plays the started program (the simulated Edge).
class SimProcessStarter : public ProcessStarter {
public:
    void Start(const std::string& program, const std::string& arguments) override;

    // Start throws this code (kSOk: starts normally), as for a missing program.
    void FailWith(HResult code) { failure_ = code; }
    const std::vector<StartedProcess>& started() const { return started_; }
    std::function<void(const StartedProcess&)> onStart;

private:
    HResult failure_ = kSOk;
    std::vector<StartedProcess> started_;
};

}  // namespace tidemark::sim
