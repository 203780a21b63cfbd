#pragma once

#include <optional>
#include <string_view>

#include "chromium/landmark_report.h"

namespace tidemark::chromium {

// Which landmarks of the service at `address` (as typed, before any
// redirect) the page's control view shows, judged as the site tests in
// src/sites judge them; nothing for an address that is none of the services.
std::optional<LandmarkReport> CheckSiteLandmarks(std::string_view address, const ControlElement& document);

LandmarkReport CheckFastLandmarks(const ControlElement& document);
LandmarkReport CheckUsenLandmarks(const ControlElement& document);
LandmarkReport CheckSpeedLandmarks(const ControlElement& document);

// The title line every report starts with: the site tests first compare the document's Name.
void ExpectTitle(LandmarkReport& report, const ControlElement& document, std::string_view title);

}  // namespace tidemark::chromium
