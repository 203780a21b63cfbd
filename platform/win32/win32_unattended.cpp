#include "win32/win32_unattended.h"

#include <memory>
#include <sstream>

#include "app/form1.h"
#include "app/run_once.h"
#include "win32/console_text.h"

namespace tidemark::win32 {

int RefuseUsage(const std::string& reason) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    SayOnConsole(STD_ERROR_HANDLE, reason + "\n\nUsage: Tidemark.exe [options]\n" + UnattendedUsage() +
                                       "  --report FILE.csv [--output FILE.html] [--below MBPS]\n"
                                       "                         Write the history report of a result file.\n");
    return run_once::kBadUsage;
}

int RunOnceOnConsole(Context& context, const UnattendedOptions& options) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    std::ostringstream out, err;
    ConsoleMessageBoxes boxes(err);
    Platform platform = WithMessageBoxes(context.platform, boxes);
    Context unattended(platform);
    unattended.records = context.records;
    unattended.metrics = context.metrics;
    int status = run_once::kErrorRow;
    {
        Form1 form(unattended);
        status = RunOnce(form, options, out, err);
    }
    SayOnConsole(STD_ERROR_HANDLE, err.str());
    SayOnConsole(STD_OUTPUT_HANDLE, out.str());
    return status;
}

void PressStartWhenShown(const Win32Form1Window& window) {
    const HWND start = window.Control("cmdStart");
    if (start == nullptr) return;
    PostMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(start), BN_CLICKED),
                 reinterpret_cast<LPARAM>(start));
}

}  // namespace tidemark::win32
