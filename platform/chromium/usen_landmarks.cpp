#include "chromium/control_view_listing.h"
#include "chromium/site_landmarks.h"
#include "sites/page_landmarks.h"
#include "sites/site_table.h"

namespace tidemark::chromium {

using namespace landmarks::usen;
using State = LandmarkReport::State;

namespace {
// The label and the three elements after it: integer part, fraction part or unit, unit.
void ExpectFigure(LandmarkReport& report, const ControlElement& document, const char* label) {
    const std::string what = std::string(label) + " figure";
    const ControlCriteria criteria{.name = label, .controlType = control::Text};
    const auto found = FindFirst(document, uia::scope::Children, criteria);
    if (!found) {
        report.ExpectLater(what, found, criteria, "a child of the document");
        return;
    }
    std::string seen = ElementLine(*found->element) + " then";
    for (std::size_t step = 1; step <= 3; ++step) {
        const auto next = NextSibling(*found, step);
        if (!next) {
            report.Add(State::Missing, what, "fewer than three elements follow " + ElementLine(*found->element));
            return;
        }
        seen += " " + QuotedText(next->element->name);
    }
    report.Add(State::Found, what, seen);
}
}  // namespace

LandmarkReport CheckUsenLandmarks(const ControlElement& document) {
    const ControlCriteria startCriteria{
        .name = kStartLink, .controlType = control::Hyperlink, .className = kStartClass};
    LandmarkReport report{.site = "USEN", .startControl = startCriteria};
    ExpectTitle(report, document, kSiteUSEN.title);
    report.Expect("start link", FindFirst(document, uia::scope::Children, startCriteria), startCriteria,
                  "a child of the document");

    const ControlCriteria abortCriteria{
        .name = kAbortLink, .controlType = control::Hyperlink, .className = kAbortClass};
    report.ExpectLater("abort link (while measuring)", FindFirst(document, uia::scope::Children, abortCriteria),
                       abortCriteria, "a child of the document");
    for (const char* label : {kDownloadLabel, kUploadLabel, kPingLabel, kJitterLabel})
        ExpectFigure(report, document, label);
    return report;
}

}  // namespace tidemark::chromium
