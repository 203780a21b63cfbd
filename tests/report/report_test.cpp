#include <gtest/gtest.h>

#include <sstream>

#include "report/csv_reader.h"
#include "report/history_stats.h"
#include "report/memory_record_files.h"
#include "report/report_command.h"
#include "run/result_row.h"

namespace tidemark::report {
namespace {

using test::MemoryRecordFiles;

// Two days of FAST only; worked by hand: downloads 10, 20, 40 | 30, one error.
const std::string kSmallFile =
    ResultFileHeader() +
    " ,2024/01/05 9:00:00,,10Mbps,----,----,----,----,----,----,----\r\n"
    " ,2024/01/05 9:30:00,,20Mbps,----,----,----,----,----,----,----\r\n"
    " ,2024/01/05 21:00:00,,40Mbps,----,----,----,----,----,----,----\r\n"
    " ,2024/01/06 9:10:00,,30Mbps,----,----,----,----,----,----,----\r\n"
    " ,2024/01/06 21:00:00,An error occurred in the test.,Error,----,----,----,----,----,----,----\r\n"
    " ,2024/01/06 21:30:00,,oops\r\n";

TEST(HistoryStats, FiguresOfASmallFileWorkedByHand) {
    const HistoryStats stats = Summarise(ReadHistory(kSmallFile), 25);
    EXPECT_EQ(stats.runs, 5u);
    EXPECT_EQ(stats.failedRuns, 1u);
    const ServiceSummary& fast = stats.services[0];
    EXPECT_EQ(fast.measured, 5u);
    EXPECT_EQ(fast.failed, 1u);
    EXPECT_DOUBLE_EQ(fast.download.median, 25);  // (20 + 30) / 2
    EXPECT_DOUBLE_EQ(fast.download.p5, 11.5);    // 10 + 0.15 * (20 - 10)
    EXPECT_EQ(fast.below, 2u);                   // 10 and 20 of four figures
    EXPECT_EQ(stats.services[1].measured, 0u) << "USEN was never chosen";

    const Spread& nine = stats.hourly[0][9];  // 10, 20, 30
    EXPECT_EQ(nine.count, 3u);
    EXPECT_DOUBLE_EQ(nine.median, 20);
    EXPECT_DOUBLE_EQ(nine.p25, 15);
    EXPECT_DOUBLE_EQ(nine.p75, 25);
    EXPECT_DOUBLE_EQ(stats.hourly[0][21].median, 40);
    EXPECT_EQ(stats.hourly[0][12].count, 0u);

    ASSERT_EQ(stats.days.size(), 2u);
    EXPECT_EQ(DayText(stats.days[0].day), "2024-01-05");
    EXPECT_EQ(stats.days[0].runs, 3u);
    EXPECT_EQ(stats.days[0].failedRuns, 0u);
    EXPECT_DOUBLE_EQ(stats.days[0].download[0].median, 20);
    EXPECT_DOUBLE_EQ(stats.days[0].download[0].min, 10);
    EXPECT_EQ(stats.days[1].runs, 2u);
    EXPECT_EQ(stats.days[1].failedRuns, 1u);
    EXPECT_DOUBLE_EQ(stats.days[1].download[0].min, 30);
}

TEST(ReportCommand, WritesOnePageWithTheFiguresTheLogsReasonsAndTheLinesNotRead) {
    MemoryRecordFiles files;
    const std::string csv = "C:\\Users\\user\\Documents\\Tidemark.csv";
    files.files[csv] = kSmallFile;
    // Runs into other files, one of the same name in another folder, runs of
    // older logs that name no path, and lines that are not the log's own are
    // passed over.
    files.files[std::string(MemoryRecordFiles::kFolder) + "tidemark.log.1"] =
        "2024-01-05 08:00:00 START FAST into Other.csv\n"
        "2024-01-05 08:00:00 FILE C:\\Users\\user\\Documents\\Other.csv\n"
        "2024-01-05 08:00:09 FAIL FAST: error 0x80004005: another file's failure\n"
        "2024-01-05 08:00:10 END An error occurred in the test !!\n"
        "2024-01-05 08:10:00 START FAST into Tidemark.csv\n"
        "2024-01-05 08:10:00 FILE D:\\Elsewhere\\Tidemark.csv\n"
        "2024-01-05 08:10:09 FAIL FAST: error 0x80004005: a namesake's failure\n"
        "2024-01-05 08:10:10 END An error occurred in the test !!\n"
        "2024-01-05 08:20:00 START FAST into Tidemark.csv\n"
        "2024-01-05 08:20:09 FAIL FAST: error 0x80004005: an older log's failure\n";
    files.files[std::string(MemoryRecordFiles::kFolder) + "tidemark.log"] =
        "not a log line\n"
        "2024-01-06 21:00:00 START FAST into Tidemark.csv\n"
        "2024-01-06 21:00:00 FILE C:\\Users\\user\\Documents\\Tidemark.csv\n"
        "2024-01-06 21:00:09 FAIL FAST: error 0x800705B4: DevTools did not take Accessibility.getFullAXTree in time\n"
        "2024-01-06 21:00:10 END An error occurred in the test !!\n";
    std::ostringstream out, err;
    EXPECT_EQ(RunReportCommand(files, {"--below", "25", "--report", csv}, {2024, 1, 7, 3600.0}, out, err), 0)
        << err.str();
    EXPECT_EQ(out.str(), "C:\\Users\\user\\Documents\\Tidemark.html: 5 runs, 1 line not read\n");
    const std::string html = files.Contents("C:\\Users\\user\\Documents\\Tidemark.html");

    EXPECT_NE(html.find("<td class=\"t\">FAST</td><td>5</td><td class=\"bad\">1</td><td>25</td><td>11.5</td>"
                        "<td>50.0%</td>"),
              std::string::npos);
    EXPECT_NE(html.find("<td class=\"t\">2024-01-05</td><td>3</td><td>0</td><td>20</td><td>10</td>"),
              std::string::npos);
    EXPECT_NE(html.find("DevTools did not take Accessibility.getFullAXTree in time"), std::string::npos);
    EXPECT_EQ(html.find("another file&#39;s failure"), std::string::npos);
    EXPECT_EQ(html.find("a namesake&#39;s failure"), std::string::npos);
    EXPECT_EQ(html.find("an older log&#39;s failure"), std::string::npos);
    EXPECT_NE(html.find("line 8: 4 fields where a row has 11"), std::string::npos);
    EXPECT_NE(html.find("Made 2024-01-07 01:00:00."), std::string::npos);
    EXPECT_EQ(html.find("<script"), std::string::npos);
    EXPECT_EQ(html.find("http://www.w3.org/1999/xhtml"), html.find("http"))
        << "nothing is fetched: the namespaces are the only addresses";

    // Wrong arguments, and a file that is not there.
    std::ostringstream quiet;
    EXPECT_EQ(RunReportCommand(files, {}, {}, quiet, quiet), 2);
    EXPECT_EQ(RunReportCommand(files, {"--report", csv, "--below", "0"}, {}, quiet, quiet), 2);
    EXPECT_EQ(RunReportCommand(files, {"--report", csv, "--frobnicate"}, {}, quiet, quiet), 2);
    std::ostringstream missing;
    EXPECT_EQ(RunReportCommand(files, {"--report", "C:\\nowhere.csv"}, {}, quiet, missing), 1);
    EXPECT_NE(missing.str().find("there is no result file C:\\nowhere.csv (0x80070002)"), std::string::npos)
        << missing.str();
}

TEST(ReportCommand, OneArgumentReaderForEveryPlatform) {
    const ReportArguments given =
        ParseReportArguments({"--output=/tmp/r.html", "--report", "/home/u/Documents/line.csv", "--below=2.5"});
    ASSERT_TRUE(given.request) << given.error;
    EXPECT_EQ(given.request->csvPath, "/home/u/Documents/line.csv");
    EXPECT_EQ(given.request->outputPath, "/tmp/r.html");
    EXPECT_EQ(given.request->belowMbps, 2.5);
    EXPECT_EQ(ParseReportArguments({"--report=a.csv"}).request->belowMbps, kDefaultBelowMbps);
    EXPECT_EQ(ParseReportArguments({"--report", "a.csv", "-o", "x.html"}).request->outputPath, "x.html");

    const auto error = [](std::vector<std::string> arguments) { return ParseReportArguments(arguments).error; };
    EXPECT_EQ(error({"--report", "a.csv", "b.csv"}), "--report takes one result file; also given: b.csv");
    EXPECT_EQ(error({"--report", "a.csv", "--report", "b.csv"}), "--report takes one result file; also given: b.csv");
    EXPECT_EQ(error({"--report", "a.csv", "--output"}), "--output needs a file name");
    EXPECT_EQ(error({"--report", "--simulated"}), "--report needs a result file (FILE.csv)");
    EXPECT_EQ(error({"--output", "x.html"}), "--output and --below go with --report FILE.csv");
    EXPECT_EQ(error({"--inspect", "https://fast.com/", "--report", "a.csv"}),
              "--report cannot be asked together with --inspect");
    // Speeds that are no speed: not finite, not positive, beyond any line.
    for (const char* below : {"inf", "nan", "-5", "0", "1e400", "2e8", "fast", "10Mbps", ""})
        EXPECT_NE(error({"--report", "a.csv", "--below", below}), "") << below;
    EXPECT_TRUE(AsksForReport({"-platform", "offscreen", "--below=3"}));
    EXPECT_FALSE(AsksForReport({"--simulated", "--reported"}));
}

TEST(ReportCommand, TheDefaultOutputAndAFileWithNothingInIt) {
    // With no log, the page says where it looked, and an empty file is no crash.
    MemoryRecordFiles files;
    files.files["/home/u/Documents/.csv"] = "";
    const ReportMade made = MakeReport(files, {"/home/u/Documents/.csv", "", 10}, {});
    EXPECT_EQ(made.outputPath, "/home/u/Documents/.csv.html");
    const std::string html = files.Contents(made.outputPath);
    EXPECT_NE(html.find("No measurement could be read"), std::string::npos);
    EXPECT_NE(html.find("No run log was found"), std::string::npos);
}

}  // namespace
}  // namespace tidemark::report
