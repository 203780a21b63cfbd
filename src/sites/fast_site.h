#pragma once

#include <string>

#include "common/context.h"

namespace tidemark {

// On the FAST page just opened: waits up to 30 s for the page to mark its
// measurement finished, then reads the download figure and its unit. True
// when the figure is numeric; a figure read that is not stays in the outputs.
bool TestFAST(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
              uia::Ref<uia::Element>& tab, uia::Ref<uia::Element>& document, std::string& downloadText,
              std::string& downloadUnit);

}  // namespace tidemark
