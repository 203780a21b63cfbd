#include "sites/site_page.h"

#include "browser/address_bar.h"
#include "browser/edge_launch.h"
#include "browser/edge_windows.h"
#include "browser/window_state.h"
#include "sites/poll_until.h"
#include "uia/selection.h"

namespace tidemark {

namespace {
constexpr double kTitleWaitSeconds = 3;
constexpr int kTitlePollMs = 20;
}  // namespace

bool OpenSitePage(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                  uia::Ref<uia::Element>& tab, uia::Ref<uia::Element>& document, const std::string& url,
                  const std::string& title, bool& timedOut) {
    if (!EdgeWindowAnswers(context, window)) {
        bool newWindow = true;
        if (!LaunchEdge(context, "", window, browserView, tab, document, newWindow)) return false;
    }
    // A tab that has gone leaves the address to whatever tab the window shows.
    (void)uia::SelectElementOf(context, tab);
    if (!NavigateAddressBar(context, window, url, browserView)) return false;
    return WaitSitePage(context, window, browserView, document, title, timedOut);
}

bool WaitSitePage(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                  uia::Ref<uia::Element>& document, const std::string& title, bool& timedOut) {
    Platform& platform = context.platform;
    const PollEnd shown = PollUntil(platform.clock, kTitleWaitSeconds, [&] {
        platform.sleeper.Sleep(kTitlePollMs);
        platform.pump.DoEvents();
        (void)GetPageDocument(context, window, document, "", browserView);
        try {
            // An empty or stale document is a title not shown yet.
            if (document && document->CurrentName() == title) return Poll::Done;
        } catch (const PlatformError&) {
        }
        return Poll::Again;
    });
    timedOut = shown == PollEnd::TimedOut;
    return shown == PollEnd::Done;
}

}  // namespace tidemark
