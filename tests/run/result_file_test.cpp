#include "run/result_file.h"

#include <gtest/gtest.h>

#include "common/files_test_platform.h"

namespace tidemark {
namespace {

using test_support::FilesTestPlatform;

const std::string kHeader =
    " , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
    " ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n";
const std::string kCsvPath = std::string(sim::SimFileSystem::kDocuments) + "\\Tidemark.csv";

ResultPairs OnlyFast(const std::string& figure, const std::string& unit) {
    ResultPairs pairs;
    pairs.fill({"----", ""});
    pairs[0] = {figure, unit};
    return pairs;
}

TEST(ResultFile, FirstRunWritesTheHeaderOnceAndEveryRunAddsOneLine) {
    FilesTestPlatform test;
    ResultFile first(test.platform(), "Tidemark");
    EXPECT_EQ(first.Path(), kCsvPath);
    EXPECT_FALSE(first.InUse());
    EXPECT_TRUE(first.WriteHeaderIfNew());
    EXPECT_EQ(test.files().appendCount(), 1);
    EXPECT_EQ(test.files().Contents(kCsvPath), kHeader);
    first.AppendRow("", OnlyFast("93", "Mbps"));

    test.SetNow({2024, 1, 5, 0.75});  // midnight: the date alone
    ResultFile second(test.platform(), "Tidemark");
    EXPECT_FALSE(second.WriteHeaderIfNew());
    EXPECT_FALSE(second.InUse());
    ResultPairs timedOut;
    timedOut.fill({"Error", ""});
    timedOut[0] = {"93.5", "Mbps"};
    second.AppendRow("Test timed out.", timedOut);

    EXPECT_EQ(test.files().Contents(kCsvPath),
              kHeader + " ,2024/01/05 9:03:07,,93Mbps,----,----,----,----,----,----,----\r\n" +
                  " ,2024/01/05,Test timed out.,93.5Mbps,Error,Error,Error,Error,Error,Error,Error\r\n");
    EXPECT_EQ(test.files().appendCount(), 3);
    EXPECT_TRUE(test.Messages().empty());
}

TEST(ResultFile, QuotesOnlyTheFieldsThatWouldBreakTheRow) {
    FilesTestPlatform test;
    ResultFile file(test.platform(), "Tidemark");
    ResultPairs pairs = OnlyFast("1,234", "Mbps");
    pairs[1] = {"12", "\"Mbps\""};
    pairs[2] = {"3\r\n4", ""};
    pairs[3] = {"5", "ms"};
    file.AppendRow("", pairs);
    EXPECT_EQ(test.files().Contents(kCsvPath),
              " ,2024/01/05 9:03:07,,\"1,234Mbps\",\"12\"\"Mbps\"\"\",\"3\r\n4\",5ms,----,----,----,----\r\n");
}

TEST(ResultFile, EmptyNameReadOnlyAndHeldFiles) {
    FilesTestPlatform test;
    EXPECT_EQ(ResultFile(test.platform(), "").Path(), std::string(sim::SimFileSystem::kDocuments) + "\\.csv");

    test.files().AddFile(kCsvPath, "old\r\n", file_attribute::ReadOnly);
    ResultFile file(test.platform(), "Tidemark");
    EXPECT_FALSE(file.WriteHeaderIfNew());
    EXPECT_FALSE(file.InUse());
    EXPECT_EQ(test.files().GetAttributes(kCsvPath), file_attribute::Normal);
    file.AppendRow("", OnlyFast("93", "Mbps"));
    EXPECT_EQ(test.files().Contents(kCsvPath), "old\r\n ,2024/01/05 9:03:07,,93Mbps,----,----,----,----,----,----,----\r\n");

    test.files().HoldByOtherProgram(kCsvPath, true);
    EXPECT_TRUE(file.InUse());
    test.files().HoldByOtherProgram(kCsvPath, false);
    test.files().FailAppends(static_cast<HResult>(0x80070070u));  // disk full
    EXPECT_THROW(file.AppendRow("", OnlyFast("93", "Mbps")), PlatformError);
}

TEST(ResultFile, NoDocumentsFolderFailsTheRunBeforeAnythingIsWritten) {
    FilesTestPlatform test;
    test.folders().SetScriptHostFolder("mydocuments", "");
    EXPECT_THROW(ResultFile(test.platform(), "Tidemark"), PlatformError);
    EXPECT_EQ(test.files().appendCount(), 0);
    EXPECT_EQ(test.files().exclusiveOpenCount(), 0);
}

}  // namespace
}  // namespace tidemark
