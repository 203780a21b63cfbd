#pragma once

#include "common/context.h"

namespace tidemark::uia {

// The element's control pattern `patternId`, once the element answers, its
// availability property is not false and (with `waitEnabled`) it is enabled
// within 1000 ms; asked for again every 10 ms for up to 1000 ms.
bool GetElementPattern(Context& context, Ref<Element>& element, Ref<Pattern>& pattern,
                       PropertyId availabilityPropertyId, PatternId patternId, bool waitEnabled);

}  // namespace tidemark::uia
