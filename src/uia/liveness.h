#pragma once

#include <cstdint>

#include "common/context.h"

namespace tidemark::uia {

// Whether the element answers (its Name can be read) within `timeoutMs`.
// False for an empty reference.
bool IsElementAlive(Context& context, Ref<Element>& target, std::int32_t timeoutMs);
// An empty array is alive; otherwise its first element must answer.
bool IsElementAlive(Context& context, Ref<ElementArray>& target, std::int32_t timeoutMs);

}  // namespace tidemark::uia
