#include "win32_beeper.h"

#include <windows.h>

namespace tidemark::win32 {

// A machine without a sound device cannot beep; that is no error of the run.
void Win32Beeper::Beep() { static_cast<void>(MessageBeep(0xFFFFFFFF)); }

}  // namespace tidemark::win32
