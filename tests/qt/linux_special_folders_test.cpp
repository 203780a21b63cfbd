#include "qt/linux_special_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "sim/sim_platform.h"
#include "common/special_folder.h"
#include "qt/linux_file_system.h"
#include "qt/linux_test_folder.h"
#include "run/result_file.h"

namespace tidemark {
namespace {

// XDG user folders with German names, in a configuration folder of our own.
class LinuxFolders : public ::testing::Test {
protected:
    LinuxFolders() {
        for (const char* sub : {"/config", "/Dokumente", "/Schreibtisch", "/Downloads"})
            std::filesystem::create_directories(root.path() + sub);
        test_support::WriteBytes(root / "config/user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + root / "Dokumente\"\n" +
                                                                     "XDG_DESKTOP_DIR=\"" + root / "Schreibtisch\"\n" +
                                                                     "XDG_DOWNLOAD_DIR=\"" + root / "Downloads\"\n");
        ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
        sim.clock.Set({2024, 1, 5, 9 * 3600 + 3 * 60 + 7.25});
    }
    ~LinuxFolders() override { ::unsetenv("XDG_CONFIG_HOME"); }

    test_support::TestFolder root;
    sim::SimPlatform sim;
    qt::LinuxFileSystem files;
    qt::LinuxSpecialFolders folders;
    Platform platform = sim.PlatformWith(files, folders);
};

TEST_F(LinuxFolders, KeysWithALinuxCounterpartFindTheXdgFolders) {
    ASSERT_NE(std::getenv("HOME"), nullptr);
    const std::string home = std::getenv("HOME");
    EXPECT_EQ(folders.ShellFolder(40), home);
    EXPECT_EQ(folders.ShellPathFolder("shell:UserProfiles"), std::filesystem::path(home).parent_path().string());
    EXPECT_EQ(folders.ShellFolder(7), root / "config/autostart");
    EXPECT_EQ(folders.ScriptHostFolder("favorites"), "");
    EXPECT_EQ(folders.ShellPathFolder("shell:CommonDownloads"), std::nullopt);

    EXPECT_EQ(GetSpecialFolder(platform, "MyDocuments"), root / "Dokumente");
    EXPECT_EQ(GetSpecialFolder(platform, "デスクトップ"), root / "Schreibtisch");
    EXPECT_EQ(GetSpecialFolder(platform, "ダウンロード"), root / "Downloads");
    EXPECT_EQ(GetSpecialFolder(platform, "アドレス:" + root / "Schreibtisch "), root / "Schreibtisch");
    EXPECT_THROW(GetSpecialFolder(platform, "windows"), PlatformError);
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{36}), "Error");
    ASSERT_EQ(sim.messageBoxes.shown().size(), 1u);
    EXPECT_EQ(sim.messageBoxes.shown()[0].title, "Tidemark");
    EXPECT_EQ(sim.messageBoxes.shown()[0].text, "特殊フォルダの取得できませんでした。  FolderKey: 36");
}

TEST_F(LinuxFolders, TheResultFileGoesIntoTheXdgDocumentsFolder) {
    ResultPairs pairs;
    pairs.fill({"----", ""});
    pairs[0] = {"93", "Mbps"};
    for (int run = 0; run < 2; ++run) {
        ResultFile file(platform, "回線速度");
        EXPECT_EQ(file.Path(), root / "Dokumente/回線速度.csv");
        EXPECT_EQ(file.WriteHeaderIfNew(), run == 0);
        EXPECT_FALSE(file.InUse());
        file.AppendRow("", pairs);
    }
    const std::string row = " ,2024/01/05 9:03:07,,93Mbps,----,----,----,----,----,----,----\r\n";
    EXPECT_EQ(test_support::ReadBytes(root / "Dokumente/回線速度.csv"),
              " , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
              " ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n" +
                  row + row);
}

}  // namespace
}  // namespace tidemark
