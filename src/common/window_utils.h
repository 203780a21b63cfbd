#pragma once

#include <cstdint>

#include "common/platform.h"

namespace tidemark {

// Brings the main window above Edge without leaving it topmost, so that a
// message box shown next is seen.
void BringFormToFront(Platform& platform);

// About `milliseconds` in 10 ms steps, processing window messages before each.
// The step count rounds half to even: 5 gives none, 15 and 25 give two.
void WaitMs(Platform& platform, std::int32_t milliseconds);

}  // namespace tidemark
