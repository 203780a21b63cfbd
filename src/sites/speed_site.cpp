#include "sites/speed_site.h"

#include "browser/edge_windows.h"
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
namespace control = uia::control;
namespace scope = uia::scope;
using namespace landmarks::speed;

constexpr double kServerWaitSeconds = 60;
constexpr double kServerSearchMs = 100;
constexpr double kServerTextSearchMs = 20;

constexpr double kSearchMs = 1000;
constexpr std::int32_t kAfterStartMs = 100;
constexpr double kGaugeFirstMs = 2000;
constexpr double kGaugeGoneSeconds = 90;
constexpr double kGaugePollMs = 100;

bool Find(Context& context, Ref<Element>& found, const std::string& name, uia::ControlType controlType,
          const std::string& automationId, const std::string& className, uia::TreeScope scope, Ref<Element>& parent,
          double timeoutMs) {
    return uia::WaitFindElement(context, found, name, controlType, "", automationId, className, scope, parent,
                                timeoutMs, true);
}

bool FindContainer(Context& context, Ref<Element>& container, Ref<Element>& document, double timeoutMs) {
    return Find(context, container, "", control::Group, kContainerId, "", scope::Subtree, document, timeoutMs);
}

bool FindMainContent(Context& context, Ref<Element>& mainContent, Ref<Element>& container, double timeoutMs) {
    return Find(context, mainContent, "", control::Group, "", kMainContentClass, scope::Children, container, timeoutMs);
}

bool FindGauge(Context& context, Ref<Element>& gauge, Ref<Element>& mainContent, double timeoutMs) {
    return Find(context, gauge, "", control::Image, "", kGaugeClass, scope::Children, mainContent, timeoutMs);
}

// The label is followed by the unit and then by the figure.
bool ReadSpeed(Context& context, Ref<Element>& resultsBlock, const char* itemClass, const char* label,
               std::string& text, std::string& unit) {
    Ref<Element> item, labelElement, unitElement, valueElement;
    if (!Find(context, item, "", control::Group, "", itemClass, scope::Children, resultsBlock, kSearchMs)) return false;
    if (!Find(context, labelElement, label, control::Text, "", "", scope::Children, item, kSearchMs)) return false;
    if (!uia::WalkToNextSibling(context, unitElement, labelElement) ||
        !uia::WalkToNextSibling(context, valueElement, unitElement))
        return false;
    unit = uia::Require(unitElement).CurrentName();
    text = uia::Require(valueElement).CurrentName();
    return IsNumericText(context.platform.locale, text);
}

// The unit sits beside the label; the figure is shown in a second latency
// item that the page marks as updated.
bool ReadPing(Context& context, Ref<Element>& resultsBlock, std::string& text, std::string& unit) {
    Ref<Element> item, labelElement, unitElement, updatedItem, valueElement;
    if (!Find(context, item, "", control::Group, "", kLatencyItemClass, scope::Children, resultsBlock, kSearchMs))
        return false;
    if (!Find(context, labelElement, kPingLabel, control::Text, "", "", scope::Children, item, kSearchMs)) return false;
    if (!uia::WalkToNextSibling(context, unitElement, labelElement, 2)) return false;
    unit = uia::Require(unitElement).CurrentName();
    if (!Find(context, updatedItem, "", control::Group, "", kUpdatedLatencyItemClass, scope::Children, resultsBlock,
              kSearchMs))
        return false;
    if (!Find(context, valueElement, "", control::Text, "", "", scope::Children, updatedItem, kSearchMs)) return false;
    text = uia::Require(valueElement).CurrentName();
    return IsNumericText(context.platform.locale, text);
}
}  // namespace

bool WaitSpeedServerChosen(Context& context, Ref<Element>& window, Ref<Element>& browserView, Ref<Element>& document,
                           std::string& serverText) {
    serverText.clear();
    return PollUntil(context.platform.clock, kServerWaitSeconds, [&] {
               PausePoll(context);
               // The page may have been rebuilt; a document not found shows as a server not found.
               (void)GetPageDocument(context, window, document, "", browserView);
               Ref<Element> container, mainContent, currentServer, text;
               if (FindContainer(context, container, document, kServerSearchMs) &&
                   FindMainContent(context, mainContent, container, kServerSearchMs) &&
                   Find(context, currentServer, "", control::Group, "", kCurrentServerClass, scope::Children,
                        mainContent, kServerSearchMs) &&
                   Find(context, text, "", control::Text, "", "", scope::Children, currentServer, kServerTextSearchMs))
                   serverText = uia::Require(text).CurrentName();
               return !serverText.empty() && serverText != kFindingServer ? Poll::Done : Poll::Again;
           }) == PollEnd::Done;
}

bool TestSPEED(Context& context, Ref<Element>& window, Ref<Element>& browserView, Ref<Element>& /*tab*/,
               Ref<Element>& document, std::string& downloadText, std::string& downloadUnit, std::string& uploadText,
               std::string& uploadUnit, std::string& pingText, std::string& pingUnit) {
    const std::string title(kSiteSPEED.title);
    if (uia::Require(document).CurrentName() != title) return false;

    Ref<Element> container, mainContent, startButton, gauge;
    if (!FindContainer(context, container, document, kSearchMs)) return false;
    if (!FindMainContent(context, mainContent, container, kSearchMs)) return false;
    if (!uia::InvokeElement(context, startButton, kStartButton, control::Button, "", "", kStartClass, scope::Subtree,
                            container))
        return false;
    WaitMs(context.platform, kAfterStartMs);
    if (!FindGauge(context, gauge, mainContent, kGaugeFirstMs)) return false;

    const PollEnd measured = PollUntil(context.platform.clock, kGaugeGoneSeconds, [&] {
        PausePoll(context);
        if (!KeepWindowShowing(context, window, browserView, document, title)) return Poll::Failed;
        // A window that stops answering here is caught at the top of the next poll.
        const bool answers = EdgeWindowAnswers(context, window);
        const bool gaugeShown = FindGauge(context, gauge, mainContent, kGaugePollMs);
        return answers && !gaugeShown ? Poll::Done : Poll::Again;
    });
    if (measured != PollEnd::Done) return false;

    Ref<Element> resultsList, resultsBlock;
    if (!Find(context, resultsList, "", control::List, "", "", scope::Children, mainContent, kSearchMs)) return false;
    if (!uia::WalkToNextSibling(context, resultsBlock, resultsList)) return false;
    if (!ReadSpeed(context, resultsBlock, kDownloadItemClass, kDownloadLabel, downloadText, downloadUnit)) return false;
    if (!ReadSpeed(context, resultsBlock, kUploadItemClass, kUploadLabel, uploadText, uploadUnit)) return false;
    return ReadPing(context, resultsBlock, pingText, pingUnit);
}

}  // namespace tidemark
