#include "run/run_log.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "common/machine_number.h"

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

std::string PathInLog(std::string_view path) {
    std::string text;
    text.reserve(path.size());
    for (const char c : path) {
        if (c == '%') {
            text += "%25";
        } else if (c == '\r') {
            text += "%0D";
        } else if (c == '\n') {
            text += "%0A";
        } else {
            text += c;
        }
    }
    return text;
}

std::string PathFromLog(std::string_view text) {
    std::string path;
    path.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view code = text.substr(i, 3);
        if (code == "%25" || code == "%0D" || code == "%0A") {
            path += code == "%25" ? '%' : code == "%0D" ? '\r' : '\n';
            i += 2;
        } else {
            path += text[i];
        }
    }
    return path;
}

std::string LogTimeText(const LocalDateTime& when) {
    const long seconds = std::clamp(static_cast<long>(std::floor(when.secondsSinceMidnight)), 0L, 86399L);
    return PaddedNumber(when.year, 4) + "-" + PaddedNumber(when.month, 2) + "-" + PaddedNumber(when.day, 2) + " " +
           PaddedNumber(seconds / 3600, 2) + ":" + PaddedNumber(seconds / 60 % 60, 2) + ":" +
           PaddedNumber(seconds % 60, 2);
}

}  // namespace tidemark
