#pragma once

#include "common/platform.h"

namespace tidemark::qt {

// The Linux build has no browser to start until the simulated Edge exists:
// a launch fails at once, as one with no program at the Edge path does.
class NoBrowserStarter : public ProcessStarter {
public:
    void Start(const std::string& program, const std::string& arguments) override;
};

// Nor is a browser installed anywhere else.
class NoBrowserLocation : public BrowserLocation {
public:
    std::optional<std::string> FindInstalled() override { return std::nullopt; }
};

}  // namespace tidemark::qt
