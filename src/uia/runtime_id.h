#pragma once

#include <cstdint>

#include "common/context.h"

namespace tidemark::uia {

// The integer at position 1 of the element's runtime id (counted from 0); 0 on any failure.
std::int32_t GetElementRuntimeId(Context& context, Ref<Element>& element);
// Also hands back the integer at position 5 in `extra`; an id of fewer than six integers gives 0.
std::int32_t GetElementRuntimeId(Context& context, Ref<Element>& element, std::int32_t& extra);

}  // namespace tidemark::uia
