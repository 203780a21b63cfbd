#include <gtest/gtest.h>

#include "common/drive_check.h"
#include "common/file_checks.h"
#include "common/file_in_use.h"
#include "common/files_test_platform.h"

namespace tidemark {
namespace {

using test_support::FilesTestPlatform;

TEST(CheckDrive, NetworkPathsPassUntestedAndWindowsPathsNeedAReadyLetterDrive) {
    FilesTestPlatform test;
    test.files().AddDrive("E:", false);  // an empty card reader
    Platform& platform = test.platform();
    EXPECT_EQ(CheckDrive(platform, "\\\\server\\share\\x.csv"), "OK");
    EXPECT_EQ(CheckDrive(platform, "  \\\\server"), "OK");
    EXPECT_EQ(CheckDrive(platform, "C:\\Users"), "OK");
    EXPECT_EQ(CheckDrive(platform, "c:"), "OK");
    EXPECT_EQ(CheckDrive(platform, " C:\\x "), "OK");
    EXPECT_EQ(CheckDrive(platform, "E:\\"), "Error");
    EXPECT_EQ(CheckDrive(platform, "D:\\"), "Error");
    for (const char* notADrive : {"", "   ", "C", "Cx\\file", "data.csv", "\\single", "Error\\x.csv"})
        EXPECT_EQ(CheckDrive(platform, notADrive), "Error") << notADrive;
}

TEST(CheckDrive, PosixPathsBelongToTheLongestMountThatHoldsThem) {
    FilesTestPlatform test;
    test.files().AddDrive("/", true);
    test.files().AddDrive("/media/card", false);
    test.files().AddDrive("/media/card/inner", true);
    Platform& platform = test.platform();
    EXPECT_EQ(CheckDrive(platform, "/home/user/Documents/x.csv"), "OK");
    EXPECT_EQ(CheckDrive(platform, "/media/cardboard/x"), "OK");
    EXPECT_EQ(CheckDrive(platform, "/media/card"), "Error");
    EXPECT_EQ(CheckDrive(platform, "/media/card/x.csv"), "Error");
    EXPECT_EQ(CheckDrive(platform, "/media/card/inner/x.csv"), "OK");
    EXPECT_EQ(CheckDrive(platform, "C:\\x"), "OK");  // the sim keeps its C: drive beside them
}

TEST(CheckFileAndFolderExists, TellFilesFromFoldersAndRefuseWhatIsNotThere) {
    FilesTestPlatform test;
    test.files().AddFile("C:\\Users\\user\\Documents\\speed.csv", "x");
    test.files().AddDrive("E:", false);
    test.files().AddFile("E:\\old.csv", "x");
    Platform& platform = test.platform();
    const std::string documents = sim::SimFileSystem::kDocuments;

    EXPECT_EQ(CheckFileExists(platform, documents + "\\speed.csv"), "OK");
    EXPECT_EQ(CheckFileExists(platform, documents + "\\SPEED.CSV"), "OK");
    EXPECT_EQ(CheckFileExists(platform, documents + "\\*.csv"), "OK");
    EXPECT_EQ(CheckFileExists(platform, documents), "Error");
    EXPECT_EQ(CheckFileExists(platform, documents + "\\other.csv"), "Error");
    EXPECT_EQ(CheckFileExists(platform, "E:\\old.csv"), "Error");  // drive not ready
    EXPECT_EQ(CheckFileExists(platform, " " + documents + "\\speed.csv"), "Error");

    EXPECT_EQ(CheckFolderExists(platform, documents), "OK");
    EXPECT_EQ(CheckFolderExists(platform, "C:\\"), "OK");
    EXPECT_EQ(CheckFolderExists(platform, documents + "\\speed.csv"), "Error");
    EXPECT_EQ(CheckFolderExists(platform, "C:\\Nowhere"), "Error");
    EXPECT_EQ(CheckFolderExists(platform, "mydocuments"), "Error");
    EXPECT_EQ(CheckFolderExists(platform, ""), "Error");
}

TEST(CheckFileInUse, ReadOnlyFileIsFreeAndStaysWritableOnlyWhenAskedTo) {
    FilesTestPlatform test;
    const std::string path = std::string(sim::SimFileSystem::kDocuments) + "\\speed.csv";
    test.files().AddFile(path, "x", file_attribute::ReadOnly | file_attribute::Hidden);

    EXPECT_FALSE(CheckFileInUse(test.platform(), path, false));
    EXPECT_EQ(test.files().GetAttributes(path), file_attribute::ReadOnly | file_attribute::Hidden);

    EXPECT_FALSE(CheckFileInUse(test.platform(), path, true));
    EXPECT_EQ(test.files().GetAttributes(path), file_attribute::Normal);
    test.files().Append(path, "y");
    EXPECT_EQ(test.files().Contents(path), "xy");
}

TEST(CheckFileInUse, HeldFileIsInUseAndMissingFileIsLeftAlone) {
    FilesTestPlatform test;
    const std::string path = std::string(sim::SimFileSystem::kDocuments) + "\\speed.csv";
    test.files().AddFile(path, "x", file_attribute::ReadOnly);
    test.files().HoldByOtherProgram(path, true);
    EXPECT_TRUE(CheckFileInUse(test.platform(), path, false));
    EXPECT_EQ(test.files().GetAttributes(path), file_attribute::ReadOnly);
    EXPECT_TRUE(CheckFileInUse(test.platform(), path, true));
    EXPECT_EQ(test.files().GetAttributes(path), file_attribute::Normal);
    test.files().HoldByOtherProgram(path, false);
    EXPECT_FALSE(CheckFileInUse(test.platform(), path, true));

    const int opensBefore = test.files().exclusiveOpenCount();
    EXPECT_FALSE(CheckFileInUse(test.platform(), std::string(sim::SimFileSystem::kDocuments) + "\\none.csv", true));
    EXPECT_EQ(test.files().exclusiveOpenCount(), opensBefore);
    EXPECT_FALSE(test.files().FileExists(std::string(sim::SimFileSystem::kDocuments) + "\\none.csv"));
}

}  // namespace
}  // namespace tidemark
