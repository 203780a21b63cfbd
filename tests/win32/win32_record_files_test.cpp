// The record's files and the report against the real Win32 API (Wine here):
// the state folder under the local application data, bytes written as they
// are, and a report made from an ANSI result file with a non-ASCII name.

#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>

#include "report/report_command.h"
#include "run/result_row.h"
#include "wide_text.h"
#include "win32/win32_record_files.h"

namespace tidemark::win32 {
namespace {

TEST(Win32RecordFiles, TheStateFolderAndItsFilesAndAReportOfAnAnsiResultFile) {
    Win32RecordFiles files;
    const std::string folder = files.Folder();
    ASSERT_GE(folder.size(), 10u);
    EXPECT_TRUE(folder.ends_with("\\Tidemark\\")) << folder;
    EXPECT_NE(GetFileAttributesW(ToWide(folder).c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string log = folder + "tidemark-test.log";
    DeleteFileW(ToWide(log).c_str());
    DeleteFileW(ToWide(log + ".1").c_str());
    EXPECT_EQ(files.Size(log), 0u);
    EXPECT_FALSE(files.Read(log));
    files.Append(log, "2024-01-05 09:00:00 START FAST into \xE9\x80\x9F\xE5\xBA\xA6.csv\n");
    files.Append(log, "2024-01-05 09:00:09 FAIL FAST: error 0x80004005: it broke\n");
    EXPECT_EQ(files.Size(log), 105u);
    files.Replace(log, log + ".1");
    EXPECT_EQ(files.Size(log), 0u);
    EXPECT_EQ(files.Read(log + ".1")->size(), 105u) << "UTF-8 as it came, no code page in between";
    DeleteFileW(ToWide(log + ".1").c_str());

    // The program writes its result file in the ANSI code page; the report reads it back through it.
    const std::string csv = folder + "\xE9\x80\x9F\xE5\xBA\xA6.csv";  // 速度.csv
    // A note the code page can hold: Japanese on a Japanese system, Latin elsewhere (Wine here).
    const std::string note = GetACP() == 932 ? "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88" : "caf\xC3\xA9";
    const std::string row = " ,2024/01/05 9:03:07," + note + ",95Mbps,----,----,----,----,----,----,----\r\n";
    files.Write(csv, Utf8ToAnsi(ResultFileHeader() + row));
    const std::string page = folder + "\xE9\x80\x9F\xE5\xBA\xA6.html";
    std::ostringstream out, err;
    EXPECT_EQ(report::RunReportCommand(files, {"--report", csv}, {2024, 1, 6, 0.0}, out, err), 0) << err.str();
    const std::optional<std::string> html = files.Read(page);
    ASSERT_TRUE(html);
    EXPECT_NE(html->find("1 runs from 2024-01-05 09:03"), std::string::npos);
    EXPECT_EQ(files.LegacyToUtf8(Utf8ToAnsi(note)), note);
    EXPECT_NE(html->find(note), std::string::npos) << "the note, decoded from the code page";

    // The record is never written over, also when named in another case or by a relative path.
    std::string upper = csv;
    upper.replace(upper.size() - 3, 3, "CSV");
    EXPECT_EQ(files.PathKey(upper), files.PathKey(csv));
    EXPECT_EQ(report::RunReportCommand(files, {"--report", csv, "--output", upper}, {}, out, err), 2);
    EXPECT_EQ(files.Read(csv), Utf8ToAnsi(ResultFileHeader() + row));
    DeleteFileW(ToWide(csv).c_str());
    DeleteFileW(ToWide(page).c_str());
}

}  // namespace
}  // namespace tidemark::win32
