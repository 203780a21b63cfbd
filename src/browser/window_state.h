#pragma once

#include <cstdint>

#include "common/context.h"

namespace tidemark {

// Brings the window into visual state 0 (normal), 1 (maximised) or 2
// (minimised). Only for elements that present themselves as windows, in
// English or Japanese. A window that cannot take the state, and any other
// state, count as done.
bool SetEdgeWindowState(Context& context, uia::Ref<uia::Element>& window, std::int32_t state);

// Whether the Edge window answers within 100 ms: the check before the run,
// the page opening and the measurement waits use it, and before closing.
bool EdgeWindowAnswers(Context& context, uia::Ref<uia::Element>& window);

// Whether the window's visual state is minimised. A failing read throws.
bool IsWindowMinimised(uia::Element& window);

}  // namespace tidemark
