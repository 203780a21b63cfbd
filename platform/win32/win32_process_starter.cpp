#include "win32_process_starter.h"

#include <windows.h>

#include "wide_text.h"
#include "win32_error.h"
#include "win32_handles.h"

namespace tidemark::win32 {

void Win32ProcessStarter::Start(const std::string& program, const std::string& arguments) {
    // Unquoted, "C:\Program Files (x86)\...\msedge.exe" would let Windows try
    // "C:\Program.exe" first. The copy is also what CreateProcessW may write into.
    std::wstring command = L"\"" + ToWide(program) + L"\"" + ToWide(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        ThrowLastError("CreateProcessW");
    }
    // Nothing waits for the process: both handles go at once.
    const unique_handle process(started.hProcess);
    const unique_handle thread(started.hThread);
}

}  // namespace tidemark::win32
