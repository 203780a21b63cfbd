#pragma once

#include <cstdint>

#include "common/context.h"

namespace tidemark::uia {

namespace direction {
constexpr std::int16_t Parent = 1;
constexpr std::int16_t PreviousSibling = 2;
constexpr std::int16_t NextSibling = 3;  // the count-th next sibling
constexpr std::int16_t FirstChild = 4;
constexpr std::int16_t LastChild = 5;
}  // namespace direction

// The element one step away from `start` in the control view, tried every
// 10 ms for up to 1000 ms. NextSibling takes `count` steps (the first next
// sibling for 0 or less) and fails at once when a step finds none.
bool WalkElement(Context& context, Ref<Element>& result, Ref<Element>& start, std::int16_t direction,
                 std::int16_t count = 0);

// The `count`-th next sibling of `start`, as the site tests step along a page.
bool WalkToNextSibling(Context& context, Ref<Element>& result, Ref<Element>& start, std::int16_t count = 1);

}  // namespace tidemark::uia
