#pragma once

#include <string>

#include "common/context.h"

namespace tidemark {

// The address edit under the browser view: tool bar, location bar, edit,
// each found within a second. Edge's Japanese Names are matched.
bool FindAddressEdit(Context& context, uia::Ref<uia::Element>& browserView, uia::Ref<uia::Element>& edit);

// Puts `url`, blanks and all, into the window's address bar and presses
// Enter. Does not wait for the page. A browser view that no longer answers
// is found again.
bool NavigateAddressBar(Context& context, uia::Ref<uia::Element>& window, const std::string& url,
                        uia::Ref<uia::Element>& browserView);

}  // namespace tidemark
