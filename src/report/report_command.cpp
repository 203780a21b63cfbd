#include "report/report_command.h"

#include <charconv>
#include <ostream>

#include "report/csv_reader.h"
#include "report/history_stats.h"
#include "report/html_report.h"
#include "report/log_reasons.h"
#include "run/run_log.h"

namespace tidemark::report {

namespace {
std::optional<double> PositiveNumber(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0)) return std::nullopt;
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
}  // namespace

ReportArguments ParseReportArguments(const std::vector<std::string>& arguments) {
    ReportArguments parsed;
    ReportRequest request;
    auto fail = [&parsed](const std::string& error) {
        if (parsed.error.empty()) parsed.error = error;
    };
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--output" || argument == "-o") {
            if (!hasValue)
                fail(argument + " needs a file name");
            else
                request.outputPath = arguments[++i];
        } else if (argument == "--below") {
            const std::optional<double> value = hasValue ? PositiveNumber(arguments[i + 1]) : std::nullopt;
            if (!value)
                fail("--below needs a speed in Mbps greater than 0");
            else
                request.belowMbps = *value;
            if (hasValue) ++i;
        } else if (argument.starts_with("-") && argument != "-") {
            fail("unknown option for --report: " + argument);
        } else if (request.csvPath.empty()) {
            request.csvPath = argument;
        } else {
            fail("--report takes one result file; also given: " + argument);
        }
    }
    if (request.csvPath.empty()) fail("--report needs a result file (FILE.csv)");
    if (parsed.error.empty()) parsed.request = request;
    return parsed;
}

std::string ReportUsage(const std::string& program) {
    return "       " + program + " --report FILE.csv [--output FILE.html] [--below MBPS]\n";
}

ReportMade MakeReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now) {
    const std::optional<std::string> bytes = files.Read(request.csvPath);
    if (!bytes) throw PlatformError(kFileNotFound, "there is no result file " + request.csvPath);
    const History history =
        ReadHistory(*bytes, [&files](const std::string& legacy) { return files.LegacyToUtf8(legacy); });
    const HistoryStats stats = Summarise(history, request.belowMbps);

    std::string logPlace = "the program's state folder";
    std::optional<std::vector<LogFailure>> failures;
    if (const std::optional<std::string> log = RunLogText(files, logPlace))
        failures = ReadLogFailures(*log, FileNameOf(request.csvPath));

    const ReportPage page{FileNameOf(request.csvPath), LogTimeText(now), logPlace, history, stats, failures};
    ReportMade made{request.outputPath.empty() ? BesideCsv(request.csvPath) : request.outputPath, history.rows.size(),
                    history.unreadable.size()};
    files.Write(made.outputPath, RenderReport(page));
    return made;
}

int RunReportCommand(RecordFiles& files, const std::vector<std::string>& arguments, const LocalDateTime& now,
                     std::ostream& out, std::ostream& err) {
    const ReportArguments parsed = ParseReportArguments(arguments);
    if (!parsed.request) {
        err << parsed.error << "\nUsage:" << ReportUsage("Tidemark").substr(6);
        return 2;
    }
    return WriteReport(files, *parsed.request, now, out, err);
}

int WriteReport(RecordFiles& files, const ReportRequest& request, const LocalDateTime& now, std::ostream& out,
                std::ostream& err) {
    try {
        const ReportMade made = MakeReport(files, request, now);
        out << made.outputPath << ": " << made.rows << " runs";
        if (made.unreadable > 0)
            out << ", " << made.unreadable << (made.unreadable == 1 ? " line" : " lines") << " not read";
        out << "\n";
        return 0;
    } catch (const PlatformError& error) {
        err << "The report could not be made: " << error.what() << "\n";
        return 1;
    }
}

}  // namespace tidemark::report
