#include "qt/linux_special_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "common/files_test_platform.h"
#include "common/special_folder.h"
#include "qt/linux_file_system.h"
#include "qt/linux_test_folder.h"
#include "run/result_file.h"

namespace tidemark {
namespace {

using test_support::ReadBytes;
using test_support::TestFolder;
using test_support::WriteBytes;

// Sets an environment variable for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedVariable() {
        if (old_) ::setenv(name_, old_->c_str(), 1); else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A user "taro" whose XDG user folders have German names.
class LinuxFolders : public ::testing::Test {
protected:
    LinuxFolders() {
        std::filesystem::create_directories(config);
        for (const char* sub : {"Dokumente", "Schreibtisch", "Musik", "Downloads"})
            std::filesystem::create_directories(home + "/" + sub);
        WriteBytes(config + "/user-dirs.dirs",
                   "# written by xdg-user-dirs-update\n"
                   "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                   "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                   "XDG_MUSIC_DIR=\"$HOME/Musik\"\n"
                   "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n");
    }

    TestFolder root;
    std::string home = root / "taro";
    std::string config = home + "/.config";
    ScopedVariable homeVariable{"HOME", home};
    ScopedVariable configVariable{"XDG_CONFIG_HOME", config};
    test_support::FakeServices services;
    qt::LinuxFileSystem files;
    qt::LinuxSpecialFolders folders;
    Platform platform = services.Bind(files, folders);
};

TEST_F(LinuxFolders, KeysWithALinuxCounterpartFindTheXdgFolders) {
    EXPECT_EQ(folders.ScriptHostFolder("MyDocuments"), home + "/Dokumente");
    EXPECT_EQ(folders.ShellFolder(5), home + "/Dokumente");
    EXPECT_EQ(folders.ScriptHostFolder("DESKTOP"), home + "/Schreibtisch");
    EXPECT_EQ(folders.ShellFolder(16), home + "/Schreibtisch");
    EXPECT_EQ(folders.ShellFolder(13), home + "/Musik");
    EXPECT_EQ(folders.ShellFolder(40), home);
    EXPECT_EQ(folders.ShellFolder(7), config + "/autostart");
    EXPECT_EQ(folders.ShellPathFolder("shell:Downloads"), home + "/Downloads");
    EXPECT_EQ(folders.ShellPathFolder("shell:UserProfiles"), root.path());

    EXPECT_EQ(folders.ScriptHostFolder("favorites"), "");
    EXPECT_EQ(folders.ShellFolder(36), std::nullopt);
    EXPECT_EQ(folders.ShellPathFolder("shell:CommonDownloads"), std::nullopt);

    EXPECT_EQ(GetSpecialFolder(platform, "mydocuments"), home + "/Dokumente");
    EXPECT_EQ(GetSpecialFolder(platform, "ダウンロード"), home + "/Downloads");
    EXPECT_EQ(GetSpecialFolder(platform, "アドレス:" + home + "/Musik "), home + "/Musik");
    EXPECT_THROW(GetSpecialFolder(platform, "windows"), PlatformError);
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{36}), "Error");
    EXPECT_EQ(services.Messages(), (std::vector<std::string>{"Tidemark|特殊フォルダの取得できませんでした。  FolderKey: 36"}));
}

TEST_F(LinuxFolders, TheResultFileGoesIntoTheXdgDocumentsFolder) {
    ResultPairs pairs;
    pairs.fill({"----", ""});
    pairs[0] = {"93", "Mbps"};
    const std::string row = " ,2024/01/05 9:03:07,,93Mbps,----,----,----,----,----,----,----\r\n";
    const std::string header =
        " , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
        " ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n";
    for (int run = 0; run < 2; ++run) {
        ResultFile file(platform, "回線速度");
        EXPECT_EQ(file.Path(), home + "/Dokumente/回線速度.csv");
        EXPECT_EQ(file.WriteHeaderIfNew(), run == 0);
        EXPECT_FALSE(file.InUse());
        file.AppendRow("", pairs);
    }
    EXPECT_EQ(ReadBytes(home + "/Dokumente/回線速度.csv"), header + row + row);
}

}  // namespace
}  // namespace tidemark
