#pragma once

#include <optional>
#include <string>
#include <vector>

#include "chromium/control_search.h"

namespace tidemark::chromium {

// Which of a measurement page's landmarks a control view shows.
struct LandmarkReport {
    enum class State { Found, Missing, Later };
    struct Line {
        State state;
        std::string what;
        std::string detail;  // what was seen, or what was looked for and why it was not there
    };

    std::string site{};
    // The control that starts the measurement, empty for a page that measures
    // on load. Landmarks the page shows only then are Later.
    ControlCriteria startControl{};
    std::vector<Line> lines{};

    void Add(State state, std::string what, std::string detail) {
        lines.push_back({state, std::move(what), std::move(detail)});
    }
    // Found with the element's line, else Missing with the criteria and `where` they were looked for.
    std::optional<ControlPlace> Expect(const std::string& what, const std::optional<ControlPlace>& found,
                                       const ControlCriteria& criteria, const std::string& where);
    // As Expect, but an absent element is Later: it comes once the measurement is started.
    std::optional<ControlPlace> ExpectLater(const std::string& what, const std::optional<ControlPlace>& found,
                                            const ControlCriteria& criteria, const std::string& where);
};

// `Hyperlink "測定開始" class="btn btn-start"`: what the criteria ask, as ElementLine would show it.
std::string CriteriaText(const ControlCriteria& criteria);

// "FAST landmarks:" and a line for each, the state in a column of its own.
std::string LandmarkText(const LandmarkReport& report);

}  // namespace tidemark::chromium
