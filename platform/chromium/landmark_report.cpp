#include "chromium/landmark_report.h"

#include "chromium/control_type_names.h"
#include "chromium/control_view_listing.h"
#include "common/text.h"

namespace tidemark::chromium {

namespace {
const char* StateWord(LandmarkReport::State state) {
    switch (state) {
        case LandmarkReport::State::Found: return "found    ";
        case LandmarkReport::State::Missing: return "missing  ";
        case LandmarkReport::State::Later: return "later    ";
    }
    return "";
}
}  // namespace

std::optional<ControlPlace> LandmarkReport::Expect(const std::string& what, const std::optional<ControlPlace>& found,
                                                   const ControlCriteria& criteria, const std::string& where) {
    if (found) {
        Add(State::Found, what, ElementLine(*found->element));
    } else {
        Add(State::Missing, what, "not found: " + CriteriaText(criteria) + ", " + where);
    }
    return found;
}

std::optional<ControlPlace> LandmarkReport::ExpectLater(const std::string& what,
                                                        const std::optional<ControlPlace>& found,
                                                        const ControlCriteria& criteria, const std::string& where) {
    if (found) {
        Add(State::Found, what, ElementLine(*found->element));
    } else {
        Add(State::Later, what,
            "shown after " + QuotedText(startControl.name) + " is pressed (" + CriteriaText(criteria) + ", " + where +
                ")");
    }
    return found;
}

std::string CriteriaText(const ControlCriteria& criteria) {
    std::string text = criteria.controlType == 0 ? "element" : ControlTypeName(criteria.controlType);
    if (!TrimBlanks(criteria.name).empty()) text += " " + QuotedText(criteria.name);
    if (!TrimBlanks(criteria.automationId).empty()) text += " id=" + IdText(criteria.automationId);
    if (!TrimBlanks(criteria.className).empty()) text += " class=" + QuotedText(criteria.className);
    return text;
}

std::string LandmarkText(const LandmarkReport& report) {
    std::string text = report.site + " landmarks";
    text += report.startControl.controlType == 0
                ? " (measures on load):\n"
                : " (the measurement starts when " + CriteriaText(report.startControl) + " is pressed):\n";
    for (const LandmarkReport::Line& line : report.lines) {
        text += "  ";
        text += StateWord(line.state);
        text += line.what;
        if (!line.detail.empty()) text += ": " + line.detail;
        text += '\n';
    }
    return text;
}

}  // namespace tidemark::chromium
