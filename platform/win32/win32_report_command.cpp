#include "win32/win32_report_command.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "report/report_command.h"
#include "win32/wide_text.h"
#include "win32/win32_clock.h"
#include "win32/win32_locale.h"
#include "win32/win32_record_files.h"

namespace tidemark::win32 {

namespace {
struct LocalFreer {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};

std::vector<std::string> Arguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    if (!argv) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(ToUtf8(argv.get()[i]));
    return arguments;
}

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

std::optional<int> RunReportIfAsked() {
    const std::vector<std::string> arguments = Arguments();
    if (!report::AsksForReport(arguments)) return std::nullopt;
    AttachConsole(ATTACH_PARENT_PROCESS);
    Win32RecordFiles files;
    Win32Clock clock;
    std::ostringstream out, err;
    DateWords words;
    try {
        words = Win32Locale().Dates();
    } catch (const PlatformError&) {
        // The dates are read with the forms every locale shares.
    }
    const int status = report::RunReportCommand(files, arguments, clock.Now(), out, err, words);
    Say(STD_OUTPUT_HANDLE, out.str());
    Say(STD_ERROR_HANDLE, err.str());
    return status;
}

}  // namespace tidemark::win32
