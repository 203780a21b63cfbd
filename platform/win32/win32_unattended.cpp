#include "win32/win32_unattended.h"

#include <shellapi.h>

#include <memory>
#include <sstream>

#include "app/form1.h"
#include "app/run_once.h"
#include "win32/wide_text.h"

namespace tidemark::win32 {

namespace {
struct LocalFreer {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

// A window program has no console of its own; it borrows its starter's, or
// writes to where its output was sent.
void Say(DWORD which, const std::string& text) {
    if (text.empty()) return;
    HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = ToWide(text);
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
    } else {
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    }
}
}  // namespace

std::vector<std::string> CommandArguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    if (!argv) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(ToUtf8(argv.get()[i]));
    return arguments;
}

int RefuseUsage(const std::string& reason) {
    AttachConsole(ATTACH_PARENT_PROCESS);
    Say(STD_ERROR_HANDLE, reason + "\n\nUsage: Tidemark.exe [options]\n" + UnattendedUsage() +
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
    Say(STD_ERROR_HANDLE, err.str());
    Say(STD_OUTPUT_HANDLE, out.str());
    return status;
}

void PressStartWhenShown(const Win32Form1Window& window) {
    const HWND start = window.Control("cmdStart");
    if (start == nullptr) return;
    PostMessageW(window.handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(start), BN_CLICKED),
                 reinterpret_cast<LPARAM>(start));
}

}  // namespace tidemark::win32
