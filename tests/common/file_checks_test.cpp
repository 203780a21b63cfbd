#include <gtest/gtest.h>

#include "common/drive_check.h"
#include "common/file_checks.h"
#include "common/file_in_use.h"
#include "common/files_test_platform.h"

namespace tidemark {
namespace {

const std::string kDocuments = sim::SimFileSystem::kDocuments;

TEST(CheckDrive, NetworkPathsPassUntestedAndOthersNeedAReadyDriveOrMount) {
    test_support::FilesTestPlatform test;
    test.files().AddDrive("E:", false);  // an empty card reader
    test.files().AddDrive("/", true);
    test.files().AddDrive("/media/card", false);
    test.files().AddDrive("/media/card/inner", true);
    for (const char* usable : {"\\\\server\\share\\x.csv", "  \\\\server", "C:\\Users", "c:", " C:\\x ",
                               "/home/user/x.csv", "/media/cardboard/x", "/media/card/inner/x.csv"})
        EXPECT_EQ(CheckDrive(test.platform(), usable), "OK") << usable;
    for (const char* unusable :
         {"E:\\", "D:\\", "", "   ", "C", "Cx\\file", "data.csv", "\\single", "/media/card", "/media/card/x.csv"})
        EXPECT_EQ(CheckDrive(test.platform(), unusable), "Error") << unusable;
}

TEST(CheckFileAndFolderExists, TellFilesFromFoldersAndRefuseWhatIsNotThere) {
    test_support::FilesTestPlatform test;
    test.files().AddFile(kDocuments + "\\speed.csv", "x");
    test.files().AddDrive("E:", false);
    test.files().AddFile("E:\\old.csv", "x");
    Platform& platform = test.platform();
    for (const std::string& file : {kDocuments + "\\speed.csv", kDocuments + "\\SPEED.CSV", kDocuments + "\\*.csv"})
        EXPECT_EQ(CheckFileExists(platform, file), "OK") << file;
    for (const std::string& notFile :
         {kDocuments, kDocuments + "\\other.csv", std::string("E:\\old.csv"), " " + kDocuments + "\\speed.csv"})
        EXPECT_EQ(CheckFileExists(platform, notFile), "Error") << notFile;
    EXPECT_EQ(CheckFolderExists(platform, kDocuments), "OK");
    EXPECT_EQ(CheckFolderExists(platform, "C:\\"), "OK");
    for (const std::string& notFolder :
         {kDocuments + "\\speed.csv", std::string("C:\\Nowhere"), std::string("mydocuments"), std::string()})
        EXPECT_EQ(CheckFolderExists(platform, notFolder), "Error") << notFolder;
}

TEST(CheckFileInUse, NormalAttributesStayOnlyWhenAskedAndMissingFilesAreLeftAlone) {
    test_support::FilesTestPlatform test;
    const std::string path = kDocuments + "\\speed.csv";
    test.files().AddFile(path, "x", file_attribute::ReadOnly | file_attribute::Hidden);

    EXPECT_FALSE(CheckFileInUse(test.platform(), path, false));
    EXPECT_EQ(test.files().GetAttributes(path), file_attribute::ReadOnly | file_attribute::Hidden);
    EXPECT_FALSE(CheckFileInUse(test.platform(), path, true));
    EXPECT_EQ(test.files().GetAttributes(path), file_attribute::Normal);

    test.files().SetAttributes(path, file_attribute::ReadOnly);
    test.files().HoldByOtherProgram(path, true);
    EXPECT_TRUE(CheckFileInUse(test.platform(), path, false));
    EXPECT_EQ(test.files().GetAttributes(path), file_attribute::ReadOnly);
    EXPECT_TRUE(CheckFileInUse(test.platform(), path, true));
    test.files().HoldByOtherProgram(path, false);
    EXPECT_FALSE(CheckFileInUse(test.platform(), path, true));

    const int opens = test.files().exclusiveOpenCount();
    EXPECT_FALSE(CheckFileInUse(test.platform(), kDocuments + "\\none.csv", true));
    EXPECT_EQ(test.files().exclusiveOpenCount(), opens);
    EXPECT_FALSE(test.files().FileExists(kDocuments + "\\none.csv"));
}

}  // namespace
}  // namespace tidemark
