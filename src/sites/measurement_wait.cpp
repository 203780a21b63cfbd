#include "sites/measurement_wait.h"

#include "browser/window_state.h"
#include "common/window_utils.h"
#include "sites/site_page.h"
#include "uia/polling.h"

namespace tidemark {

void PausePoll(Context& context) {
    WaitMs(context.platform, 10);
    context.platform.pump.DoEvents();
}

bool KeepWindowShowing(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                       uia::Ref<uia::Element>& document, const std::string& title) {
    if (!EdgeWindowAnswers(context, window)) return false;
    if (!IsWindowMinimised(uia::Require(window))) return true;
    if (!SetEdgeWindowState(context, window, uia::visual_state::Normal)) return false;
    bool titleTimedOut = false;
    return WaitSitePage(context, window, browserView, document, title, titleTimedOut);
}

}  // namespace tidemark
