#include "win32/win32_report_command.h"

#include <windows.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "report/report_command.h"
#include "win32/console_text.h"
#include "win32/win32_clock.h"
#include "win32/win32_locale.h"
#include "win32/win32_record_files.h"

namespace tidemark::win32 {

std::optional<int> RunReportIfAsked() {
    const std::vector<std::string> arguments = CommandArguments();
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
    SayOnConsole(STD_OUTPUT_HANDLE, out.str());
    SayOnConsole(STD_ERROR_HANDLE, err.str());
    return status;
}

}  // namespace tidemark::win32
