#include "chromium/control_view_listing.h"
#include "chromium/site_landmarks.h"
#include "sites/page_landmarks.h"
#include "sites/site_table.h"

namespace tidemark::chromium {

using namespace landmarks::speed;
using State = LandmarkReport::State;
using uia::scope::Children;
using uia::scope::Subtree;

namespace {

// A landmark that needs an earlier one found first.
void MissingBase(LandmarkReport& report, const std::string& what, const std::string& base) {
    report.Add(State::Missing, what, "no " + base + " to look in");
}

// An item of the results block: its Text label, then the unit and the figure.
void ExpectSpeed(LandmarkReport& report, const std::optional<ControlPlace>& block, bool listShown,
                 const std::string& what, const char* itemClass, const char* label) {
    const ControlCriteria itemCriteria{.controlType = control::Group, .className = itemClass};
    if (!block) {
        if (listShown) {
            MissingBase(report, what, "results block");
        } else {
            report.ExpectLater(what, std::nullopt, itemCriteria, "a child of the results block");
        }
        return;
    }
    const auto item = FindFirst(*block->element, Children, itemCriteria);
    const ControlCriteria labelCriteria{.name = label, .controlType = control::Text};
    const auto labelPlace = item ? FindFirst(*item->element, Children, labelCriteria) : std::nullopt;
    const auto unit = labelPlace ? NextSibling(*labelPlace) : std::nullopt;
    const auto figure = labelPlace ? NextSibling(*labelPlace, 2) : std::nullopt;
    if (!item) {
        report.Add(State::Missing, what, "no " + CriteriaText(itemCriteria) + " child of the results block");
    } else if (!labelPlace) {
        report.Add(State::Missing, what, "no " + CriteriaText(labelCriteria) + " child of its item");
    } else if (!figure) {
        report.Add(State::Missing, what, "fewer than two elements follow " + ElementLine(*labelPlace->element));
    } else {
        report.Add(State::Found, what,
                   ElementLine(*labelPlace->element) + " then " + QuotedText(unit->element->name) + " " +
                       QuotedText(figure->element->name));
    }
}

// The unit two steps after the label in the latency item; the figure is the
// first Text of the updated latency item.
void ExpectPing(LandmarkReport& report, const std::optional<ControlPlace>& block, bool listShown) {
    const std::string what = "ping";
    const ControlCriteria itemCriteria{.controlType = control::Group, .className = kLatencyItemClass};
    if (!block) {
        if (listShown) {
            MissingBase(report, what, "results block");
        } else {
            report.ExpectLater(what, std::nullopt, itemCriteria, "a child of the results block");
        }
        return;
    }
    const ControlCriteria labelCriteria{.name = kPingLabel, .controlType = control::Text};
    const ControlCriteria updatedCriteria{.controlType = control::Group, .className = kUpdatedLatencyItemClass};
    const auto item = FindFirst(*block->element, Children, itemCriteria);
    const auto labelPlace = item ? FindFirst(*item->element, Children, labelCriteria) : std::nullopt;
    const auto unit = labelPlace ? NextSibling(*labelPlace, 2) : std::nullopt;
    const auto updated = FindFirst(*block->element, Children, updatedCriteria);
    const auto figure = updated ? FindFirst(*updated->element, Children, {.controlType = control::Text}) : std::nullopt;
    if (!item) {
        report.Add(State::Missing, what, "no " + CriteriaText(itemCriteria) + " child of the results block");
    } else if (!labelPlace) {
        report.Add(State::Missing, what, "no " + CriteriaText(labelCriteria) + " child of its item");
    } else if (!unit) {
        report.Add(State::Missing, what, "no second element after " + ElementLine(*labelPlace->element));
    } else if (!updated) {
        report.Add(State::Missing, what, "no " + CriteriaText(updatedCriteria) + " child of the results block");
    } else if (!figure) {
        report.Add(State::Missing, what, "no Text child of the updated latency item");
    } else {
        report.Add(State::Found, what,
                   ElementLine(*labelPlace->element) + ", unit " + QuotedText(unit->element->name) + ", figure " +
                       QuotedText(figure->element->name));
    }
}

}  // namespace

LandmarkReport CheckSpeedLandmarks(const ControlElement& document) {
    const ControlCriteria startCriteria{.name = kStartButton, .controlType = control::Button, .className = kStartClass};
    LandmarkReport report{.site = "SPEED", .startControl = startCriteria};
    ExpectTitle(report, document, kSiteSPEED.title);

    const ControlCriteria containerCriteria{.controlType = control::Group, .automationId = kContainerId};
    const auto container = report.Expect("container", FindFirst(document, Subtree, containerCriteria),
                                         containerCriteria, "anywhere in the document");

    const ControlCriteria mainCriteria{.controlType = control::Group, .className = kMainContentClass};
    std::optional<ControlPlace> mainContent;
    if (container) {
        mainContent = report.Expect("main content", FindFirst(*container->element, Children, mainCriteria),
                                    mainCriteria, "a child of the container");
    } else {
        MissingBase(report, "main content", "container");
    }

    // The program waits for a server name before it presses start.
    const ControlCriteria serverCriteria{.controlType = control::Group, .className = kCurrentServerClass};
    const std::string serverWhat = "current server (its first Text)";
    const auto server = mainContent ? FindFirst(*mainContent->element, Children, serverCriteria) : std::nullopt;
    const auto serverText =
        server ? FindFirst(*server->element, Children, {.controlType = control::Text}) : std::nullopt;
    if (!mainContent) {
        MissingBase(report, serverWhat, "main content");
    } else if (!server) {
        report.Add(State::Missing, serverWhat, "no " + CriteriaText(serverCriteria) + " child of the main content");
    } else if (!serverText) {
        report.Add(State::Missing, serverWhat, "no Text child of " + ElementLine(*server->element));
    } else {
        const std::string& name = serverText->element->name;
        report.Add(
            State::Found, serverWhat,
            QuotedText(name) + (name.empty() || name == kFindingServer ? " (no server chosen yet: start waits for one)"
                                                                       : " (chosen)"));
    }

    if (container) {
        report.Expect("start button", FindFirst(*container->element, Subtree, startCriteria), startCriteria,
                      "anywhere in the container");
    } else {
        MissingBase(report, "start button", "container");
    }

    if (!mainContent) {
        for (const char* what :
             {"gauge (while measuring)", "results list and the block after it", "download", "upload", "ping"})
            MissingBase(report, what, "main content");
        return report;
    }
    const ControlCriteria gaugeCriteria{.controlType = control::Image, .className = kGaugeClass};
    report.ExpectLater("gauge (while measuring)", FindFirst(*mainContent->element, Children, gaugeCriteria),
                       gaugeCriteria, "a child of the main content");

    const std::string resultsWhat = "results list and the block after it";
    const ControlCriteria listCriteria{.controlType = control::List};
    const auto list = FindFirst(*mainContent->element, Children, listCriteria);
    const auto block = list ? NextSibling(*list) : std::nullopt;
    if (!list) {
        report.ExpectLater(resultsWhat, list, listCriteria, "a child of the main content");
    } else if (!block) {
        report.Add(State::Missing, resultsWhat, "nothing follows " + ElementLine(*list->element));
    } else {
        report.Add(State::Found, resultsWhat, ElementLine(*list->element) + " then " + ElementLine(*block->element));
    }
    // Without the results list the results come later; with it, they must be there.
    ExpectSpeed(report, block, list.has_value(), "download", kDownloadItemClass, kDownloadLabel);
    ExpectSpeed(report, block, list.has_value(), "upload", kUploadItemClass, kUploadLabel);
    ExpectPing(report, block, list.has_value());
    return report;
}

}  // namespace tidemark::chromium
