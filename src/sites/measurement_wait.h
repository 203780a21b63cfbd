#pragma once

// What the three site tests do on every poll of their measurement wait.

#include <string>

#include "common/context.h"

namespace tidemark {

// WaitMs(10), then one more pass of the window's messages.
void PausePoll(Context& context);

// The Edge window must still answer within 100 ms; a minimised one is set
// back to normal and the page's title awaited again (its time-out flag is
// not the caller's). False when any of that fails.
bool KeepWindowShowing(Context& context, uia::Ref<uia::Element>& window, uia::Ref<uia::Element>& browserView,
                       uia::Ref<uia::Element>& document, const std::string& title);

}  // namespace tidemark
