// The file system and special folders against the real Win32 API (Wine here).

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "wide_text.h"
#include "win32/win32_file_system.h"
#include "win32/win32_handles.h"
#include "win32/win32_special_folders.h"

namespace tidemark::win32 {
namespace {

class Win32Files : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        ASSERT_NE(GetTempPathW(MAX_PATH, temp), 0u);
        folder_ = ToUtf8(temp) + "tidemark-files-test";
        CreateDirectoryW(ToWide(folder_).c_str(), nullptr);
        path_ = folder_ + "\\速度ログ.csv";
        DeleteFileW(ToWide(path_).c_str());
    }
    void TearDown() override {
        SetFileAttributesW(ToWide(path_).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(ToWide(path_).c_str());
        RemoveDirectoryW(ToWide(folder_).c_str());
    }
    std::string Bytes() {
        std::ifstream in(ToWide(path_).c_str(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    Win32FileSystem files;
    std::string folder_;
    std::string path_;
};

TEST_F(Win32Files, AppendCreatesThenAddsAnsiBytesAndTheChecksSeeTheFile) {
    EXPECT_EQ(files.FindFirst(path_), FoundEntry::None);
    files.Append(path_, " ,head\r\n");
    files.Append(path_, " ,93Mbps\r\n");
    EXPECT_EQ(Bytes(), " ,head\r\n ,93Mbps\r\n");
    EXPECT_EQ(files.FindFirst(path_), FoundEntry::File);
    EXPECT_EQ(files.FindFirst(folder_ + "\\*.csv"), FoundEntry::File);
    EXPECT_EQ(files.FindFirst(folder_), FoundEntry::Directory);
    EXPECT_TRUE(files.FolderExists(folder_));
    EXPECT_FALSE(files.FolderExists(path_));
    EXPECT_THROW(files.Append(folder_ + "\\no such folder\\x.csv", "x"), PlatformError);
}

TEST_F(Win32Files, AFileHeldWithoutSharingIsInUseAndReadOnlyIsClearedByTheCheck) {
    files.Append(path_, "row\r\n");
    {
        const unique_hfile held(CreateFileW(ToWide(path_).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                            FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(held);
        EXPECT_FALSE(files.OpenExclusive(path_));
        EXPECT_THROW(files.Append(path_, "lost\r\n"), PlatformError);
    }
    EXPECT_TRUE(files.OpenExclusive(path_));

    files.SetAttributes(path_, FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(files.GetAttributes(path_) & FILE_ATTRIBUTE_READONLY, static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    files.SetAttributes(path_, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(files.GetAttributes(path_) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(Bytes(), "row\r\n");
}

TEST(Win32Drives, TheSystemDriveIsReadyAndSpecialFoldersAnswerPaths) {
    Win32FileSystem files;
    bool systemDriveReady = false;
    for (const Drive& drive : files.Drives())
        if (drive.root == "C:") systemDriveReady = drive.ready;
    EXPECT_TRUE(systemDriveReady);

    Win32SpecialFolders folders;
    const std::string documents = folders.ScriptHostFolder("MyDocuments");
    EXPECT_FALSE(documents.empty());
    EXPECT_EQ(folders.ShellFolder(5), documents);
    EXPECT_TRUE(files.FolderExists(documents));
    EXPECT_EQ(folders.ScriptHostFolder("no such folder"), "");
}

}  // namespace
}  // namespace tidemark::win32
