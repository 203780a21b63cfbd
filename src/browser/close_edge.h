#pragma once

#include "common/context.h"

namespace tidemark {

// Closes the window, when it answers within 10 ms.
bool CloseEdge(Context& context, uia::Ref<uia::Element>& window);

// Closes every Edge top-level window, the last found first, stopping at the
// first that cannot be closed. True when there is none.
bool CloseEdge(Context& context);

}  // namespace tidemark
