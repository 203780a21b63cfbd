#include "run/result_file.h"

#include <gtest/gtest.h>

#include "common/files_test_platform.h"

namespace tidemark {
namespace {

const std::string kHeader =
    " , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
    " ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n";
const std::string kCsvPath = std::string(sim::SimFileSystem::kDocuments) + "\\Tidemark.csv";
const std::string kFastRow = " ,2024/01/05 9:03:07,,93Mbps,----,----,----,----,----,----,----\r\n";

ResultPairs Pairs(const std::string& rest, const ResultPair& fast) {
    ResultPairs pairs;
    pairs.fill({rest, ""});
    pairs[0] = fast;
    return pairs;
}

TEST(ResultFile, FirstRunWritesTheHeaderOnceAndEveryRunAddsOneLine) {
    test_support::FilesTestPlatform test;
    ResultFile first(test.platform(), "Tidemark");
    EXPECT_EQ(first.Path(), kCsvPath);
    EXPECT_FALSE(first.InUse());
    EXPECT_TRUE(first.WriteHeaderIfNew());
    EXPECT_EQ(test.files().Contents(kCsvPath), kHeader);
    first.AppendRow("", Pairs("----", {"93", "Mbps"}));

    test.SetNow({2024, 1, 5, 0.75});  // midnight: the date alone
    ResultFile second(test.platform(), "Tidemark");
    EXPECT_FALSE(second.WriteHeaderIfNew());
    second.AppendRow("Test timed out.", Pairs("Error", {"93.5", "Mbps"}));
    // Only a field that would shift or break the row is quoted.
    ResultPairs odd = Pairs("----", {"1,234", "Mbps"});
    odd[1] = {"12", "\"Mbps\""};
    odd[2] = {"3\r\n4", ""};
    second.AppendRow("", odd);
    EXPECT_EQ(test.files().Contents(kCsvPath),
              kHeader + kFastRow +
                  " ,2024/01/05,Test timed out.,93.5Mbps,Error,Error,Error,Error,Error,Error,Error\r\n" +
                  " ,2024/01/05,,\"1,234Mbps\",\"12\"\"Mbps\"\"\",\"3\r\n4\",----,----,----,----,----\r\n");
    EXPECT_EQ(test.files().appendCount(), 4);
    EXPECT_TRUE(test.Messages().empty());
}

TEST(ResultFile, EmptyNameReadOnlyHeldAndUnwritableFiles) {
    test_support::FilesTestPlatform test;
    EXPECT_EQ(ResultFile(test.platform(), "").Path(), std::string(sim::SimFileSystem::kDocuments) + "\\.csv");

    test.files().AddFile(kCsvPath, "old\r\n", file_attribute::ReadOnly);
    ResultFile file(test.platform(), "Tidemark");
    EXPECT_FALSE(file.WriteHeaderIfNew());
    EXPECT_FALSE(file.InUse());
    file.AppendRow("", Pairs("----", {"93", "Mbps"}));
    EXPECT_EQ(test.files().Contents(kCsvPath), "old\r\n" + kFastRow);

    test.files().HoldByOtherProgram(kCsvPath, true);
    EXPECT_TRUE(file.InUse());
    test.files().HoldByOtherProgram(kCsvPath, false);
    test.files().FailAppends(static_cast<HResult>(0x80070070u));  // disk full
    EXPECT_THROW(file.AppendRow("", Pairs("----", {"93", "Mbps"})), PlatformError);
}

TEST(ResultFile, NoDocumentsFolderFailsBeforeAnythingIsWritten) {
    test_support::FilesTestPlatform test;
    test.folders().SetScriptHostFolder("mydocuments", "");
    EXPECT_THROW(ResultFile(test.platform(), "Tidemark"), PlatformError);
    EXPECT_EQ(test.files().appendCount() + test.files().exclusiveOpenCount(), 0);
}

}  // namespace
}  // namespace tidemark
