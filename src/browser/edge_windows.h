#pragma once

// Edge's top-level windows and the fixed chain of its own views from a
// window down to the browser view and the document of the page it shows.

#include <string>

#include "common/context.h"

namespace tidemark {

// Every Edge top-level window, possibly none: true with an empty array when
// there is no window, so callers read the length.
bool FindEdgeWindows(Context& context, uia::Ref<uia::ElementArray>& windows);

// The window's browser view; the reference is replaced only when found.
bool GetBrowserView(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView);

// The document of the page the window shows, into `document`. A browser view
// that no longer answers is found again. With a title that is not blank, true
// only when the page's Name equals it, trimmed and case-blind; the document
// reference is replaced either way.
bool GetPageDocument(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& document,
                     const std::string& title, uia::Ref<uia::Element>& browserView);

// The browser view, found again when the held one no longer answers.
bool EnsureBrowserView(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView);

}  // namespace tidemark
