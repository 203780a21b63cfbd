#pragma once

#include "common/context.h"

namespace tidemark::uia {

constexpr std::uint8_t kVirtualKeyEnter = 13;

// Enter down, 10 ms, Enter up, to whatever has the keyboard focus.
void PressEnter(Context& context);

}  // namespace tidemark::uia
