#pragma once

// What one measurement run left behind, for those who act on it after the
// window's status line: the one-run command's answer and the metrics.

#include <string>

#include "run/result_row.h"
#include "run/run_host.h"

namespace tidemark {

enum class RunEnding { AllDone, TimedOut, Failed, FileInUse };

struct RunOutcome {
    RunSettings settings;
    RunEnding ending = RunEnding::Failed;
    // The row's date and time as written; empty when no row was written.
    std::string rowTime;
    bool rowWritten = false;
    std::string note;
    std::string status;
    ResultPairs pairs{};
    // Each service whose test passed, so that its figures are readings.
    bool fastRead = false;
    bool usenRead = false;
    bool speedRead = false;
};

}  // namespace tidemark
