#include "chromium/site_landmarks.h"

#include <string>

#include "chromium/control_view_listing.h"
#include "sites/site_table.h"

namespace tidemark::chromium {

namespace {
// "https://fast.com/ja" is the same page as "https://fast.com/ja/".
bool SameAddress(std::string_view typed, std::string_view site) {
    if (!typed.empty() && typed.back() == '/') typed.remove_suffix(1);
    if (!site.empty() && site.back() == '/') site.remove_suffix(1);
    return typed == site;
}
}  // namespace

std::optional<LandmarkReport> CheckSiteLandmarks(std::string_view address, const ControlElement& document) {
    if (SameAddress(address, kSiteFAST.address)) return CheckFastLandmarks(document);
    if (SameAddress(address, kSiteUSEN.address)) return CheckUsenLandmarks(document);
    if (SameAddress(address, kSiteSPEED.address)) return CheckSpeedLandmarks(document);
    return std::nullopt;
}

void ExpectTitle(LandmarkReport& report, const ControlElement& document, std::string_view title) {
    if (document.name == title) {
        report.Add(LandmarkReport::State::Found, "title", QuotedText(title));
    } else {
        report.Add(LandmarkReport::State::Missing, "title",
                   QuotedText(title) + " expected, the document's Name is " + QuotedText(document.name));
    }
}

}  // namespace tidemark::chromium
