#pragma once

#include <string>

#include "common/context.h"

namespace tidemark {

// Starts Edge with `url` in a new tab of the first Edge window, or in a new
// window when `newWindow` is true or no Edge window is open (then
// `newWindow` becomes true). Waits up to MaxWaitSeconds for the new tab or
// window and its page document, and fills the browser context: the window,
// its browser view, the new tab (taken to be the strip's last) and the
// document. A failure may leave the references partly replaced. A process
// that cannot be started throws.
bool LaunchEdge(Context& context, const std::string& url, uia::Ref<uia::Element>& window,
                uia::Ref<uia::Element>& browserView, uia::Ref<uia::Element>& tab, uia::Ref<uia::Element>& document,
                bool& newWindow);

}  // namespace tidemark
