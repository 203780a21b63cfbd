#include "chromium/control_view_listing.h"
#include "chromium/site_landmarks.h"
#include "sites/page_landmarks.h"
#include "sites/site_table.h"

namespace tidemark::chromium {

using namespace landmarks::fast;
using State = LandmarkReport::State;

LandmarkReport CheckFastLandmarks(const ControlElement& document) {
    LandmarkReport report{.site = "FAST"};
    ExpectTitle(report, document, kSiteFAST.title);

    // Any first Group child: the site test waits on its class.
    const std::string indicatorWhat = "progress indicator (first Group child)";
    if (const auto indicator = FindFirst(document, uia::scope::Children, {.controlType = control::Group})) {
        const std::string& className = indicator->element->className;
        report.Add(State::Found, indicatorWhat,
                   "class=" + QuotedText(className) +
                       (className == kFinishedIndicatorClass
                            ? " (finished)"
                            : " (not finished; finished reads class=" + QuotedText(kFinishedIndicatorClass) + ")"));
    } else {
        report.Add(State::Missing, indicatorWhat, "no Group child of the document");
    }

    const ControlCriteria buttonCriteria{.name = kLanguageButton, .controlType = control::Button};
    const auto button = report.Expect("language button", FindFirst(document, uia::scope::Children, buttonCriteria),
                                      buttonCriteria, "a child of the document");

    const std::string labelWhat = "speed label after the language button";
    const std::optional<ControlPlace> label = button ? NextSibling(*button) : std::nullopt;
    if (!button) {
        report.Add(State::Missing, labelWhat, "no language button to start from");
    } else if (!label) {
        report.Add(State::Missing, labelWhat, "nothing follows the language button");
    } else if (label->element->name != kSpeedLabel) {
        report.Add(
            State::Missing, labelWhat,
            "Name " + QuotedText(kSpeedLabel) + " expected, the next sibling is " + ElementLine(*label->element));
    } else {
        report.Add(State::Found, labelWhat, ElementLine(*label->element));
    }

    const std::string figureWhat = "figure and unit after the label";
    if (label && label->element->name == kSpeedLabel) {
        const auto value = NextSibling(*label);
        const auto unit = NextSibling(*label, 2);
        if (value && unit) {
            report.Add(State::Found, figureWhat,
                       QuotedText(value->element->name) + " " + QuotedText(unit->element->name));
        } else {
            report.Add(State::Missing, figureWhat, "fewer than two elements follow the label");
        }
    } else {
        report.Add(State::Missing, figureWhat, "no speed label to start from");
    }
    return report;
}

}  // namespace tidemark::chromium
