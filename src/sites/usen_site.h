#pragma once

#include <string>

#include "common/context.h"

namespace tidemark {

// On the USEN page just opened: presses the start link, waits up to 30 s
// after the abort link showed for it to go again, then reads download,
// upload, ping and jitter with their units. True when all four figures are
// numeric; the pairs read up to a figure that is not stay in the outputs.
bool TestUSEN(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
              uia::Ref<uia::Element>& tab, uia::Ref<uia::Element>& document, std::string& downloadText,
              std::string& downloadUnit, std::string& uploadText, std::string& uploadUnit, std::string& pingText,
              std::string& pingUnit, std::string& jitterText, std::string& jitterUnit);

}  // namespace tidemark
