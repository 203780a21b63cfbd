#pragma once

#include "common/context.h"
#include "run/run_outcome.h"

namespace tidemark::metrics {

// After a run: the metrics file in the folder the user gave, written whole
// beside itself and renamed into place, so that a collector never reads half
// of it. A folder that is missing or cannot be written changes nothing; the
// run log says so. Does nothing when no folder was given or no record is kept.
void WriteRunMetrics(Context& context, const RunOutcome& outcome) noexcept;

}  // namespace tidemark::metrics
