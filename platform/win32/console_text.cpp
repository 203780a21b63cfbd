#include "win32/console_text.h"

#include <shellapi.h>

#include <memory>

#include "win32/wide_text.h"

namespace tidemark::win32 {

namespace {
struct LocalFreer {
    void operator()(LPWSTR* memory) const { LocalFree(memory); }
};
}  // namespace

std::vector<std::string> CommandArguments() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreer> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::string> arguments;
    if (!argv) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(ToUtf8(argv.get()[i]));
    return arguments;
}

// A window program has no console of its own; it borrows its starter's, or
// writes to where its output was sent.
void SayOnConsole(DWORD which, const std::string& text) {
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

}  // namespace tidemark::win32
