#pragma once

#include <string>

#include "common/context.h"

namespace tidemark {

// Brings the page at `url` into the driven tab through the address bar and
// waits for `title`. A window that no longer answers is replaced by a new
// Edge window first. Only the title wait writes `timedOut`.
bool OpenSitePage(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                  uia::Ref<uia::Element>& tab, uia::Ref<uia::Element>& document, const std::string& url,
                  const std::string& title, bool& timedOut);

// Waits up to 3 seconds until the shown page's document carries exactly
// `title`; false with `timedOut` set when the limit passed.
bool WaitSitePage(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                  uia::Ref<uia::Element>& document, const std::string& title, bool& timedOut);

}  // namespace tidemark
