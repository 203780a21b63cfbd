#pragma once

#include "common/context.h"
#include "run/run_host.h"
#include "run/run_outcome.h"

namespace tidemark {

// One measurement run: the chosen services in the order FAST, USEN, SPEED
// in the driven Edge tab, one row in the result file, Edge closed when asked
// or when the run failed. `window` and `tab` are the window's own, so the
// next run starts where this one left them. Every failure the platform
// reports ends in the run's error ending; nothing escapes it.
RunOutcome RunSpeedTests(Context& context, const RunSettings& settings, RunHost& host, uia::Ref<uia::Element>& window,
                         uia::Ref<uia::Element>& tab);

}  // namespace tidemark
