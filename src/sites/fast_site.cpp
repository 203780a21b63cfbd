#include "sites/fast_site.h"

#include "browser/window_state.h"
#include "common/numeric_text.h"
#include "sites/measurement_wait.h"
#include "sites/page_landmarks.h"
#include "sites/poll_until.h"
#include "sites/site_table.h"
#include "uia/polling.h"
#include "uia/search.h"
#include "uia/walk.h"

namespace tidemark {

namespace {
using uia::Element;
using uia::Ref;

using landmarks::fast::kFinishedIndicatorClass;
using landmarks::fast::kLanguageButton;
using landmarks::fast::kSpeedLabel;

constexpr double kMeasureSeconds = 30;
}  // namespace

bool TestFAST(Context& context, Ref<Element>& window, Ref<Element>& browserView, Ref<Element>& /*tab*/,
              Ref<Element>& document, std::string& downloadText, std::string& downloadUnit) {
    const std::string title(kSiteFAST.title);
    if (uia::Require(document).CurrentName() != title) return false;

    const PollEnd finished = PollUntil(context.platform.clock, kMeasureSeconds, [&] {
        Ref<Element> indicator;
        if (!uia::WaitFindElement(context, indicator, "", uia::control::Group, "", "", "", uia::scope::Children,
                                  document, uia::kInnerLimitMs, true))
            return Poll::Failed;
        if (uia::Require(indicator).CurrentClassName() == kFinishedIndicatorClass) return Poll::Done;
        PausePoll(context);
        return KeepWindowShowing(context, window, browserView, document, title) ? Poll::Again : Poll::Failed;
    });
    if (finished != PollEnd::Done) return false;

    Ref<Element> anchor, label, value, unit;
    if (!uia::WaitFindElement(context, anchor, kLanguageButton, uia::control::Button, "", "", "", uia::scope::Children,
                              document, uia::kInnerLimitMs, true))
        return false;
    if (!uia::WalkToNextSibling(context, label, anchor) || uia::Require(label).CurrentName() != kSpeedLabel)
        return false;
    if (!uia::WalkToNextSibling(context, value, label) || !uia::WalkToNextSibling(context, unit, value)) return false;
    downloadText = uia::Require(value).CurrentName();
    downloadUnit = uia::Require(unit).CurrentName();
    return IsNumericText(context.platform.locale, downloadText);
}

}  // namespace tidemark
