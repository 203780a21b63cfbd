#pragma once

#include "app/unattended_options.h"
#include "qt/linux_browser.h"

namespace tidemark::qt {

// `Tidemark --run-once`: one run of the window's Start without showing a
// window, on Qt's offscreen platform, so that no display is needed; its
// messages go to stderr. Answers the exit status.
int RunOnceMain(int& argc, char** argv, BrowserChoice browser, const UnattendedOptions& options);

}  // namespace tidemark::qt
