#include "sites/usen_site.h"

#include "browser/window_state.h"
#include "common/numeric_text.h"
#include "common/window_utils.h"
#include "sites/measurement_wait.h"
#include "sites/page_landmarks.h"
#include "sites/poll_until.h"
#include "sites/site_table.h"
#include "uia/actions.h"
#include "uia/polling.h"
#include "uia/search.h"
#include "uia/walk.h"

namespace tidemark {

namespace {
using uia::Element;
using uia::Ref;
using namespace landmarks::usen;

constexpr double kMeasureSeconds = 30;
constexpr double kSearchMs = 100;
constexpr std::int32_t kAfterStartMs = 100;

bool PressStart(Context& context, Ref<Element>& document) {
    Ref<Element> startLink;
    return uia::InvokeElement(context, startLink, kStartLink, uia::control::Hyperlink, "", "", kStartClass,
                              uia::scope::Children, document);
}

bool AbortLinkShown(Context& context, Ref<Element>& document) {
    Ref<Element> abortLink;
    return uia::WaitFindElement(context, abortLink, kAbortLink, uia::control::Hyperlink, "", "", kAbortClass,
                                uia::scope::Children, document, kSearchMs, true);
}

// The three elements after the label are the integer part, the fraction part
// and the unit. Ping and jitter may come without a fraction part: then the
// second is the unit, and the third must still be there.
bool ReadFigure(Context& context, Ref<Element>& document, const char* label, bool fractionOptional,
                std::string& figureText, std::string& unitText) {
    Ref<Element> labelElement, first, second, third;
    if (!uia::WaitFindElement(context, labelElement, label, uia::control::Text, "", "", "", uia::scope::Children,
                              document, kSearchMs, true))
        return false;
    if (!uia::WalkToNextSibling(context, first, labelElement) || !uia::WalkToNextSibling(context, second, first) ||
        !uia::WalkToNextSibling(context, third, second))
        return false;

    const std::string secondName = uia::Require(second).CurrentName();
    if (!fractionOptional || secondName.find('.') != std::string::npos) {
        figureText = uia::Require(first).CurrentName() + secondName;
        unitText = uia::Require(third).CurrentName();
    } else {
        figureText = uia::Require(first).CurrentName();
        unitText = secondName;
    }
    return IsNumericText(context.platform.locale, figureText);
}
}  // namespace

bool TestUSEN(Context& context, Ref<Element>& window, Ref<Element>& browserView, Ref<Element>& /*tab*/,
              Ref<Element>& document, std::string& downloadText, std::string& downloadUnit, std::string& uploadText,
              std::string& uploadUnit, std::string& pingText, std::string& pingUnit, std::string& jitterText,
              std::string& jitterUnit) {
    const std::string title(kSiteUSEN.title);
    if (uia::Require(document).CurrentName() != title) return false;

    if (!PressStart(context, document)) return false;
    WaitMs(context.platform, kAfterStartMs);
    if (!AbortLinkShown(context, document)) return false;

    const PollEnd measured = PollUntil(context.platform.clock, kMeasureSeconds, [&] {
        PausePoll(context);
        if (!KeepWindowShowing(context, window, browserView, document, title)) return Poll::Failed;
        // Both are asked every time. A document that no longer answers hides
        // the abort link too; the label search after it then fails.
        const bool answers = EdgeWindowAnswers(context, window);
        const bool measuring = AbortLinkShown(context, document);
        return answers && !measuring ? Poll::Done : Poll::Again;
    });
    if (measured != PollEnd::Done) return false;

    return ReadFigure(context, document, kDownloadLabel, false, downloadText, downloadUnit) &&
           ReadFigure(context, document, kUploadLabel, false, uploadText, uploadUnit) &&
           ReadFigure(context, document, kPingLabel, true, pingText, pingUnit) &&
           ReadFigure(context, document, kJitterLabel, true, jitterText, jitterUnit);
}

}  // namespace tidemark
