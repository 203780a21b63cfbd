#pragma once

#include "common/platform.h"

namespace tidemark::qt {

// The Linux build has no browser to start until the simulated Edge exists:
// a launch fails at once, as one with no program at the Edge path does.
class NoBrowserStarter : public ProcessStarter {
public:
    void Start(const std::string& commandLine) override;
};

}  // namespace tidemark::qt
