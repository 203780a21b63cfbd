#include "run/run_log.h"

#include <cmath>
#include <cstdio>
#include <exception>

namespace tidemark {

namespace {
std::string OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            line += " / ";
        } else {
            line += c;
        }
    }
    return line;
}
}  // namespace

RunLog::RunLog(RecordServices* records, Clock& clock, std::uint64_t rotateBytes)
    : records_(records), clock_(clock), rotateBytes_(rotateBytes) {}

void RunLog::Write(std::string_view kind, std::string_view text) noexcept {
    if (records_ == nullptr) return;
    try {
        RecordFiles& files = records_->files;
        const std::string line = LogTimeText(clock_.Now()) + " " + std::string(kind) + " " + OneLine(text) + "\n";
        const std::string folder = files.Folder();
        const std::string path = folder + std::string(run_log::kFileName);
        const std::uint64_t size = files.Size(path);
        if (size > 0 && size + line.size() > rotateBytes_)
            files.Replace(path, folder + std::string(run_log::kOldFileName));
        files.Append(path, line);
    } catch (const std::exception&) {
        // A full disk or a missing folder must not turn a good run into a failed one.
    }
}

std::string ErrorText(const PlatformError& error) {
    std::string what = error.what();
    const std::string code = HResultText(error.code());
    const std::string suffix = " (" + code + ")";
    if (what.ends_with(suffix)) what.resize(what.size() - suffix.size());
    return "error " + code + (what.empty() || what == code ? "" : ": " + what);
}

std::string LogTimeText(const LocalDateTime& when) {
    const long seconds = static_cast<long>(std::floor(when.secondsSinceMidnight));
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02ld:%02ld:%02ld", when.year, when.month, when.day,
                  seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

}  // namespace tidemark
