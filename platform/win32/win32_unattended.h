#pragma once

// Tidemark.exe without anybody at the window: its command line's options,
// `--run-once` on the console it was started from, and `--start`.

#include <windows.h>

#include <string>
#include <vector>

#include "app/unattended_options.h"
#include "win32/console_text.h"
#include "common/context.h"
#include "win32_form1_window.h"

namespace tidemark::win32 {

// Bad usage: the reason and the options, on the starter's console; answers 2.
int RefuseUsage(const std::string& reason);

// One run of the window's Start without a window; its line on stdout, its
// messages on stderr of the console it was started from. Answers the exit status.
int RunOnceOnConsole(Context& context, const UnattendedOptions& options);

// Presses Start once the message loop runs, as a click would; a disabled Start takes no press.
void PressStartWhenShown(const Win32Form1Window& window);

}  // namespace tidemark::win32
