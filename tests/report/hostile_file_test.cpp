// Result files as a damaged disk, a hand edit or a hostile sender leaves
// them: the report reads what it can, names the rest, and writes a page in
// bounded time without ever touching the record.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <random>
#include <regex>
#include <sstream>

#include "report/csv_reader.h"
#include "report/memory_record_files.h"
#include "report/report_command.h"
#include "run/result_row.h"

namespace tidemark::report {
namespace {

using test::MemoryRecordFiles;

const std::string kCsv = "C:\\Users\\user\\Documents\\Tidemark.csv";
const std::string kPage = "C:\\Users\\user\\Documents\\Tidemark.html";

std::string Row(const std::string& time, const std::string& fast, const std::string& ping = "----") {
    return " ," + time + ",," + fast + ",----,----," + ping + ",----,----,----,----\r\n";
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(HostileFile, AbsurdFiguresAndTimesAreNamedAndTheChartsStayBounded) {
    MemoryRecordFiles files;
    files.files[kCsv] = ResultFileHeader() + Row("2024/01/05 9:00:00", "93Mbps") +
                        Row("2024/01/05 9:30:00", "1" + std::string(307, '0') + "Gbps") +
                        Row("2024/01/05 10:00:00", "17" + std::string(400, '0') + "Mbps") +
                        Row("2024/01/05 10:30:00", "200000000Mbps") +
                        Row("2024/01/05 11:00:00", "95Mbps", "90000000ms") + Row("0001/01/01 0:00:00", "50Mbps") +
                        Row("9999/12/31 23:59:59", "60Mbps");
    std::ostringstream out, err;
    ASSERT_EQ(WriteReport(files, {kCsv, "", 10}, {2024, 1, 7, 0.0}, out, err), 0) << err.str();
    EXPECT_EQ(out.str(), kPage + ": 3 runs, 4 lines not read\n");
    const std::string html = files.Contents(kPage);
    EXPECT_NE(html.find("line 4: figures not understood: column 4 &quot;1" + std::string(39, '0') +
                        "\xE2\x80\xA6&quot; (above 100 Tbps)"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("line 5: figures not understood: column 4"), std::string::npos);
    EXPECT_NE(html.find("line 6: figures not understood: column 4 &quot;200000000Mbps&quot; (above 100 Tbps)"),
              std::string::npos);
    EXPECT_NE(html.find("line 7: figures not understood: column 7 &quot;90000000ms&quot; (longer than a day)"),
              std::string::npos);
    // Ten thousand years on one axis: a bounded number of grid lines, none of them "inf".
    EXPECT_LT(Count(html, "class=\"grid\""), 200u);
    const std::regex coordinate("\\b(x|y|x1|x2|y1|y2|cx|cy)=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), coordinate); it != std::sregex_iterator(); ++it) {
        const std::string value = (*it)[2];
        double number = 0;
        const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
        EXPECT_TRUE(error == std::errc() && end == value.data() + value.size() && std::isfinite(number)) << value;
    }
}

TEST(HostileFile, TheRecordIsNeverWrittenOver) {
    MemoryRecordFiles files;
    const std::string record = ResultFileHeader() + Row("2024/01/05 9:00:00", "93Mbps");
    files.files[kCsv] = record;
    files.files["C:\\notes.html"] = "<!DOCTYPE html>\n<html><title>my notes</title></html>\n";
    files.folders.insert("C:\\Users\\user\\Documents\\Tidemark.html");
    std::ostringstream out;
    for (const std::string& output : {kCsv, std::string("C:\\notes.html"), kPage}) {
        std::ostringstream err;
        EXPECT_EQ(RunReportCommand(files, {"--report", kCsv, "--output", output}, {}, out, err), 2) << output;
        EXPECT_EQ(err.str().rfind("The report is not written to " + output + ": ", 0), 0u) << err.str();
    }
    std::ostringstream err;
    EXPECT_EQ(RunReportCommand(files, {"--report", kCsv}, {}, out, err), 2) << "beside it is a folder";
    EXPECT_EQ(files.Contents(kCsv), record);
    EXPECT_EQ(files.Contents("C:\\notes.html"), "<!DOCTYPE html>\n<html><title>my notes</title></html>\n");

    // A page the report wrote before is replaced, by the new one.
    files.folders.clear();
    EXPECT_EQ(RunReportCommand(files, {"--report", kCsv}, {}, out, err), 0) << err.str();
    files.files[kCsv] += Row("2024/01/05 9:30:00", "94Mbps");
    EXPECT_EQ(RunReportCommand(files, {"--report", kCsv}, {}, out, err), 0) << err.str();
    EXPECT_NE(files.Contents(kPage).find("2 runs from"), std::string::npos);
}

TEST(HostileFile, AnyFailureOfTheReportIsAMessageAndAStatus) {
    MemoryRecordFiles files;
    files.files[kCsv] = ResultFileHeader() + Row("2024/01/05 9:00:00", "93Mbps");
    files.readRunsOutOfMemory = true;
    std::ostringstream out, err;
    EXPECT_EQ(WriteReport(files, {kCsv, "", 10}, {}, out, err), 1);
    EXPECT_EQ(err.str().rfind("The report could not be made: ", 0), 0u) << err.str();
}

TEST(HostileFile, NotesComeBackAsTheWriterWroteThemWhateverTheyHold) {
    std::mt19937 random(27);
    const std::vector<std::string> pieces = {
        "a",    "Z",     " ", ",", "\"", "\"\"", "\r\n", "\n", "\r", "\xE3\x83\x86", "\xF0\x9F\x98\x80",
        "----", "Error", "'", "\t"};
    std::string file = ResultFileHeader();
    std::vector<std::string> notes;
    for (int row = 0; row < 400; ++row) {
        std::string note = "n";
        const int length = static_cast<int>(random() % 12);
        for (int i = 0; i < length; ++i) note += pieces[random() % pieces.size()];
        note += "e";
        notes.push_back(note);
        ResultPairs pairs;
        for (ResultPair& pair : pairs) pair = {"----", ""};
        pairs[0] = {"93", "Mbps"};
        file += FormatResultRow("2024/01/05 9:" + std::to_string(10 + row % 50) + ":00", note, pairs);
    }
    const History history = ReadHistory(file);
    EXPECT_TRUE(history.unreadable.empty())
        << history.unreadable.front().line << " " << history.unreadable.front().reason;
    ASSERT_EQ(history.rows.size(), notes.size());
    for (std::size_t i = 0; i < notes.size(); ++i) EXPECT_EQ(history.rows[i].note, notes[i]) << i;
    // Line numbers count the breaks inside the notes.
    EXPECT_GT(history.rows.back().line, static_cast<int>(notes.size()) + 2);
}

TEST(HostileFile, AStrayQuoteSpoilsOneLineOnlyAndEachLineKeepsItsOwnEncoding) {
    const std::string file = ResultFileHeader() + Row("2024/01/05 9:00:00", "\"93Mbps") +
                             " ,2024/01/05 9:30:00,\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88,94Mbps,----,----,----,----,"
                             "----,----,----\r\n" +
                             " ,2024/01/05 10:00:00,\x83\x65\x83\x58\x83\x67,95Mbps,----,----,----,----,----,----,----"
                             "\r\n" +
                             Row("2024/01/05 10:30:00", "96Mbps");
    const History history = ReadHistory(file);
    EXPECT_TRUE(history.legacyText);
    ASSERT_EQ(history.rows.size(), 3u);
    EXPECT_EQ(history.rows[0].note, "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88") << "UTF-8 stays UTF-8";
    EXPECT_EQ(history.rows[1].note, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
    EXPECT_EQ(history.rows[2].line, 6);
    ASSERT_EQ(history.unreadable.size(), 1u);
    EXPECT_EQ(history.unreadable[0].line, 3);
}

}  // namespace
}  // namespace tidemark::report
