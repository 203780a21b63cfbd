#pragma once

#include <string>

#include "common/context.h"

namespace tidemark {

// On the SPEED page just opened: waits up to 60 s until the page has chosen
// its test server, refreshing the page document on every poll. `serverText`
// starts empty and keeps the last text read while the server element is
// missing. False when the limit passed.
bool WaitSpeedServerChosen(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                           uia::Ref<uia::Element>& document, std::string& serverText);

// Presses the SPEED page's start button, waits up to 90 s from the gauge's
// first showing for it to go, then reads download, upload and ping with
// their units. True when all three figures are numeric; the texts read
// before a failure stay in the outputs.
bool TestSPEED(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
               uia::Ref<uia::Element>& tab, uia::Ref<uia::Element>& document, std::string& downloadText,
               std::string& downloadUnit, std::string& uploadText, std::string& uploadUnit, std::string& pingText,
               std::string& pingUnit);

}  // namespace tidemark
