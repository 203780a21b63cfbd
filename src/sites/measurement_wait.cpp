#include "sites/measurement_wait.h"

#include "browser/window_state.h"
#include "common/wait_clock.h"
#include "common/window_utils.h"
#include "sites/site_page.h"
#include "uia/liveness.h"
#include "uia/polling.h"

namespace tidemark {

namespace {
constexpr std::int32_t kWindowAnswerMs = 100;
}

void PausePoll(Context& context) {
    WaitMs(context.platform, 10);
    context.platform.pump.DoEvents();
}

bool WindowAnswers(Context& context, uia::Ref<uia::Element>& window) {
    return uia::IsElementAlive(context, window, kWindowAnswerMs);
}

bool KeepWindowShowing(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                       uia::Ref<uia::Element>& document, const std::string& title) {
    if (!WindowAnswers(context, window)) return false;
    const uia::PropertyValue state = uia::Require(window).GetCurrentPropertyValue(uia::property::WindowVisualState);
    const auto* number = std::get_if<std::int32_t>(&state);
    if (number == nullptr || *number != uia::visual_state::Minimized) return true;
    if (!SetEdgeWindowState(context, window, uia::visual_state::Normal)) return false;
    bool titleTimedOut = false;
    return WaitSitePage(context, window, browserView, document, title, titleTimedOut);
}

double StartOfWait(Context& context) { return ReadWaitClock(context.platform.clock); }

bool SecondsPassed(Context& context, double startReading, double seconds) {
    return ReadWaitClock(context.platform.clock) - startReading > seconds;
}

}  // namespace tidemark
