#pragma once

// The process-wide state the design names, held in one object that the
// program creates at start-up and hands down, so that nothing is global.

#include <cstdint>
#include <string>

#include "common/metrics_target.h"
#include "common/platform.h"
#include "common/record_files.h"
#include "uia/automation.h"

namespace tidemark {

// Created once by InitAutomation and kept for the life of the program.
struct AutomationState {
    bool initialised = false;
    std::int16_t MaxWaitSeconds = 0;
    uia::WindowHandle desktopWindow = 0;
    uia::Ref<uia::Automation> automation;
    uia::Ref<uia::Element> desktop;
    uia::Ref<uia::TreeWalker> walker;
};

struct Context {
    explicit Context(Platform& platformServices) : platform(platformServices) {}

    Platform& platform;
    // The run log's and the report's services; none where the program keeps no record.
    RecordServices* records = nullptr;
    // Where each run's metrics are written; none when no folder was given.
    MetricsTarget* metrics = nullptr;
    AutomationState automation;
    std::string EdgePath;
};

}  // namespace tidemark
