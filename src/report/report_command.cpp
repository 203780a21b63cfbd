#include "report/report_command.h"

#include <charconv>
#include <cmath>
#include <exception>
#include <ostream>

#include "report/csv_reader.h"
#include "report/figure_text.h"
#include "report/history_stats.h"
#include "report/html_report.h"
#include "report/log_reasons.h"
#include "run/run_log.h"

namespace tidemark::report {

namespace {
// A page larger than this was not written by the report.
constexpr std::uint64_t kMostPageBytes = 256ull * 1024 * 1024;
constexpr std::size_t kPageHeadBytes = 4096;

std::optional<double> SpeedLimit(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value) || !(value > 0) ||
        value > kMostMbps)
        return std::nullopt;
    return value;
}

std::string BesideCsv(const std::string& csvPath) {
    const std::string name = FileNameOf(csvPath);
    const std::size_t dot = name.rfind('.');
    const std::string stem = csvPath.substr(0, csvPath.size() - name.size()) +
                             (dot == std::string::npos || dot == 0 ? name : name.substr(0, dot));
    return stem + ".html";
}

// Both log files, the old one first; nullopt when neither is there.
std::optional<std::string> RunLogText(RecordFiles& files, std::string& place) {
    try {
        const std::string folder = files.Folder();
        place = folder + std::string(run_log::kFileName);
        std::optional<std::string> old = files.Read(folder + std::string(run_log::kOldFileName));
        std::optional<std::string> current = files.Read(place);
        if (!old && !current) return std::nullopt;
        return old.value_or("") + current.value_or("");
    } catch (const PlatformError&) {
        return std::nullopt;  // the report stands without the reasons
    }
}

bool IsTidemarkPage(std::string_view bytes) {
    const std::string_view head = bytes.substr(0, kPageHeadBytes);
    return head.starts_with("<!DOCTYPE html>") &&
           (head.find("<meta name=\"generator\" content=\"" + std::string(kGenerator) + "\"/>") != std::string::npos ||
            head.find("<title>Tidemark report: ") != std::string::npos);
}

// Why the page may not go to `output`; empty when it may.
std::string OutputRefusal(RecordFiles& files, const std::string& csvPath, const std::string& output) {
    const std::string refused = "The report is not written to " + output + ": ";
    if (files.PathKey(output) == files.PathKey(csvPath)) return refused + "that is the result file itself.";
    try {
        if (files.Size(output) > kMostPageBytes) return refused + "that file is not a page Tidemark wrote.";
        const std::optional<std::string> there = files.Read(output);
        if (there && !IsTidemarkPage(*there)) return refused + "that file is not a page Tidemark wrote.";
    } catch (const PlatformError& error) {
        return refused + "it is a folder or cannot be read (" + error.what() + ").";
    }
    return {};
}

LocalStamp StampOf(const LocalDateTime& now) {
    return {DaysFromCivil(now.year, now.month, now.day) * 86400 +
            static_cast<std::int64_t>(std::floor(now.secondsSinceMidnight))};
}
}  // namespace

bool AsksForReport(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments)
        for (const std::string_view option : {"--report", "--output", "-o", "--below"})
            if (argument == option || argument.starts_with(std::string(option) + "=")) return true;
    return false;
}

ReportArguments ParseReportArguments(const std::vector<std::string>& arguments) {
    ReportArguments parsed;
    ReportRequest request;
    bool reportGiven = false;
    auto fail = [&parsed](const std::string& error) {
        if (parsed.error.empty()) parsed.error = error;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string option = arguments[i];
        std::optional<std::string> value;
        const std::size_t equals = option.find('=');
        if (option.starts_with("--") && equals != std::string::npos) {
            value = option.substr(equals + 1);
            option.resize(equals);
        } else if (i + 1 < arguments.size() && !(arguments[i + 1].starts_with("-") && arguments[i + 1] != "-")) {
            value = arguments[i + 1];
        }
        const bool inlineValue = equals != std::string::npos && option.size() == equals;
        auto take = [&] {
            if (!inlineValue && value) ++i;
        };
        if (option == "--report") {
            if (!value || value->empty()) {
                fail("--report needs a result file (FILE.csv)");
            } else if (reportGiven) {
                fail("--report takes one result file; also given: " + *value);
            } else {
                request.csvPath = *value;
            }
            reportGiven = true;
            take();
        } else if (option == "--output" || option == "-o") {
            if (!value || value->empty()) {
                fail(option + " needs a file name");
            } else {
                request.outputPath = *value;
            }
            take();
        } else if (option == "--below") {
            const std::optional<double> limit = value ? SpeedLimit(*value) : std::nullopt;
            if (!limit) {
                fail("--below needs a speed in Mbps greater than 0 and at most 100000000 (100 Tbps)");
            } else {
                request.belowMbps = *limit;
            }
            take();
        } else if (option.starts_with("-") && option != "-") {
            fail("--report cannot be asked together with " + option);
        } else {
            fail(reportGiven ? "--report takes one result file; also given: " + option
                             : "unexpected argument " + option + ": the result file goes after --report");
        }
    }
    if (!reportGiven) fail("--output and --below go with --report FILE.csv");
    if (parsed.error.empty()) parsed.request = request;
    return parsed;
}

std::string ReportUsage(const std::string& program) {
    return "       " + program + " --report FILE.csv [--output FILE.html] [--below MBPS]\n";
}

ReportMade MakeReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now,
                      const DateWords& words) {
    ReportMade made;
    made.outputPath = request.outputPath.empty() ? BesideCsv(request.csvPath) : request.outputPath;
    made.refusal = OutputRefusal(files, request.csvPath, made.outputPath);
    if (!made.refusal.empty()) return made;

    const std::optional<std::string> bytes = files.Read(request.csvPath);
    if (!bytes) throw PlatformError(kFileNotFound, "there is no result file " + request.csvPath);
    const ReadOptions options{[&files](const std::string& legacy) { return files.LegacyToUtf8(legacy); }, words,
                              StampOf(now)};
    const History history = ReadHistory(*bytes, options);
    const HistoryStats stats = Summarise(history, request.belowMbps);

    std::string logPlace = "the program's state folder";
    std::optional<std::vector<LogFailure>> failures;
    if (const std::optional<std::string> log = RunLogText(files, logPlace))
        failures =
            ReadLogFailures(*log, request.csvPath, [&files](const std::string& path) { return files.PathKey(path); });

    const ReportPage page{FileNameOf(request.csvPath), LogTimeText(now), logPlace, history, stats, failures};
    made.rows = history.rows.size();
    made.unreadable = history.unreadable.size();
    files.Write(made.outputPath, RenderReport(page));
    return made;
}

int RunReportCommand(RecordFiles& files, const std::vector<std::string>& arguments, const LocalDateTime& now,
                     std::ostream& out, std::ostream& err, const DateWords& words) {
    const ReportArguments parsed = ParseReportArguments(arguments);
    if (!parsed.request) {
        err << parsed.error << "\nUsage:" << ReportUsage("Tidemark").substr(6);
        return 2;
    }
    return WriteReport(files, *parsed.request, now, out, err, words);
}

int WriteReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now, std::ostream& out,
                std::ostream& err, const DateWords& words) {
    try {
        const ReportMade made = MakeReport(files, request, now, words);
        if (!made.refusal.empty()) {
            err << made.refusal << "\n";
            return 2;
        }
        out << made.outputPath << ": " << made.rows << " runs";
        if (made.unreadable > 0)
            out << ", " << made.unreadable << (made.unreadable == 1 ? " line" : " lines") << " not read";
        out << "\n";
        return 0;
    } catch (const std::exception& error) {
        err << "The report could not be made: " << error.what() << "\n";
    } catch (...) {
        err << "The report could not be made: an unknown error\n";
    }
    return 1;
}

}  // namespace tidemark::report
