#include "report/log_reasons.h"

#include <map>

#include "report/text_encoding.h"
#include "run/run_log.h"

namespace tidemark::report {

namespace {
constexpr std::size_t kMostTextBytes = 1000;

// "2026-01-05 09:03:07" at the start of a line.
bool ReadStamp(std::string_view line, LocalStamp& stamp) {
    if (line.size() < 20 || line[4] != '-' || line[7] != '-' || line[10] != ' ' || line[13] != ':' || line[16] != ':')
        return false;
    auto number = [&](std::size_t at, std::size_t length, int& value) {
        value = 0;
        for (std::size_t i = at; i < at + length; ++i) {
            if (line[i] < '0' || line[i] > '9') return false;
            value = value * 10 + (line[i] - '0');
        }
        return true;
    };
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    if (!number(0, 4, y) || !number(5, 2, mo) || !number(8, 2, d) || !number(11, 2, h) || !number(14, 2, mi) ||
        !number(17, 2, s))
        return false;
    stamp.seconds = DaysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
    return true;
}
}  // namespace

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.find_last_of("/\\");
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::vector<LogFailure> ReadLogFailures(std::string_view logText, const std::string& csvPath, const PathKey& key) {
    const std::string wanted = key(csvPath);
    std::map<std::string, bool, std::less<>> known;  // each logged path asks the platform once
    std::vector<LogFailure> failures;
    bool inWantedRun = false;
    std::size_t start = 0;
    while (start < logText.size()) {
        std::size_t end = logText.find('\n', start);
        if (end == std::string_view::npos) end = logText.size();
        std::string_view line = logText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        LocalStamp stamp;
        if (!ReadStamp(line, stamp)) continue;
        const std::string_view rest = line.substr(20);
        const std::size_t kindEnd = rest.find(' ');
        const std::string_view kind = rest.substr(0, kindEnd);
        const std::string_view text = kindEnd == std::string_view::npos ? std::string_view() : rest.substr(kindEnd + 1);
        if (kind == run_log::kStart) {
            inWantedRun = false;
        } else if (kind == run_log::kFile) {
            auto found = known.find(text);
            if (found == known.end()) found = known.emplace(std::string(text), key(PathFromLog(text)) == wanted).first;
            inWantedRun = found->second;
        } else if (kind == run_log::kFail && inWantedRun) {
            const std::size_t colon = text.find(": ");
            LogFailure failure{stamp, "", ClippedUtf8(text, kMostTextBytes)};
            if (colon != std::string_view::npos) {
                failure.stage = ClippedUtf8(text.substr(0, colon), kMostTextBytes);
                failure.reason = ClippedUtf8(text.substr(colon + 2), kMostTextBytes);
            }
            failures.push_back(std::move(failure));
        } else if (kind == run_log::kEnd) {
            inWantedRun = false;
        }
    }
    return failures;
}

}  // namespace tidemark::report
