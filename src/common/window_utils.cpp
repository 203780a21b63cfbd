#include "common/window_utils.h"

#include "common/app_identity.h"

namespace tidemark {

namespace {
constexpr std::intptr_t kHwndTopmost = -1;
constexpr std::intptr_t kHwndNoTopmost = -2;
constexpr std::uint32_t kSwpNoSize = 0x0001;
constexpr std::uint32_t kSwpNoMove = 0x0002;
constexpr std::uint32_t kSwpShowWindow = 0x0040;

std::int32_t StepsOfTenRoundedHalfEven(std::int32_t milliseconds) {
    if (milliseconds < 0) return 0;
    std::int32_t steps = milliseconds / 10;
    const std::int32_t rest = milliseconds % 10;
    if (rest > 5 || (rest == 5 && steps % 2 == 1)) ++steps;
    return steps;
}
}  // namespace

void BringFormToFront(Platform& platform) {
    platform.windowOrder.ActivateByTitle(kAppTitle);
    platform.pump.DoEvents();
    platform.windowOrder.SetWindowPos(kHwndTopmost, kSwpNoSize | kSwpNoMove);
    platform.pump.DoEvents();
    platform.windowOrder.SetWindowPos(kHwndNoTopmost, kSwpShowWindow | kSwpNoSize | kSwpNoMove);
    platform.pump.DoEvents();
}

void WaitMs(Platform& platform, std::int32_t milliseconds) {
    const std::int32_t steps = StepsOfTenRoundedHalfEven(milliseconds);
    for (std::int32_t i = 0; i < steps; ++i) {
        platform.pump.DoEvents();
        platform.sleeper.Sleep(10);
    }
}

}  // namespace tidemark
