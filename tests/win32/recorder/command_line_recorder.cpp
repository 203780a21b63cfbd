// Started by the process-starter tests in place of a browser. It writes, in
// UTF-8 and one per line, its process id, the path of the program that
// actually ran and the command line it was given into the file that
// TIDEMARK_RECORD_FILE names, then sets the event TIDEMARK_RECORD_EVENT names.
// The id lets the test wait for it to end before deleting its files.

#include <windows.h>

#include <string>

#include "wide_text.h"
#include "win32_handles.h"

namespace {

std::wstring Variable(const wchar_t* name) {
    std::wstring value(32767, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

}  // namespace

int main() {
    using namespace tidemark::win32;
    std::wstring module(32767, L'\0');
    module.resize(GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size())));
    const std::string record =
        std::to_string(GetCurrentProcessId()) + "\n" + ToUtf8(module) + "\n" + ToUtf8(GetCommandLineW());

    {
        const unique_hfile file(CreateFileW(Variable(L"TIDEMARK_RECORD_FILE").c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        if (!file || !WriteFile(file.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr) ||
            written != record.size()) {
            return 1;
        }
    }  // closed before the test is told to read it

    const unique_handle recorded(OpenEventW(EVENT_MODIFY_STATE, FALSE, Variable(L"TIDEMARK_RECORD_EVENT").c_str()));
    return recorded && SetEvent(recorded.get()) ? 0 : 2;
}
