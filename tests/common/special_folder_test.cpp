#include <gtest/gtest.h>

#include "common/files_test_platform.h"
#include "common/special_folder.h"

namespace tidemark {
namespace {

using test_support::FilesTestPlatform;
using Lookups = std::vector<std::string>;

const std::string kUnresolved = "Tidemark|特殊フォルダの取得できませんでした。  FolderKey: ";
const std::string kProfile = "C:\\Users\\user";

TEST(GetSpecialFolder, TextKeysGoThroughTheirRowWithLetterCaseIgnored) {
    FilesTestPlatform test;
    Platform& platform = test.platform();
    EXPECT_EQ(GetSpecialFolder(platform, "mydocuments"), kProfile + "\\Documents");
    EXPECT_EQ(GetSpecialFolder(platform, "DESKTOP"), kProfile + "\\Desktop");
    EXPECT_EQ(GetSpecialFolder(platform, "デスクトップ"), kProfile + "\\Desktop");
    EXPECT_EQ(GetSpecialFolder(platform, "  Music "), kProfile + "\\Music");
    EXPECT_EQ(GetSpecialFolder(platform, "ダウンロード"), kProfile + "\\Downloads");
    EXPECT_EQ(GetSpecialFolder(platform, "3D オブジェクト"), kProfile + "\\3D Objects");
    EXPECT_EQ(GetSpecialFolder(platform, "Users"), "C:\\Users");
    EXPECT_EQ(test.folders().lookups(), (Lookups{"script:mydocuments", "script:DESKTOP", "csidl:16", "csidl:13",
                                                 "shell:Downloads", "Shell:3D Objects", "shell:UserProfiles"}));
    EXPECT_TRUE(test.Messages().empty());

    // A row whose folder the shell lacks is a platform error for the caller, not a refusal.
    EXPECT_THROW(GetSpecialFolder(platform, "CommonFiles"), PlatformError);
    test.folders().SetShellFolder(43, "C:\\Program Files\\Common Files");
    EXPECT_EQ(GetSpecialFolder(platform, "commonfiles"), "C:\\Program Files\\Common Files");
    EXPECT_TRUE(test.Messages().empty());
}

TEST(GetSpecialFolder, AnExistingFolderPassesThroughWithoutTheAddressLabel) {
    FilesTestPlatform test;
    Platform& platform = test.platform();
    EXPECT_EQ(GetSpecialFolder(platform, "アドレス:C:\\Users\\user\\Documents"), kProfile + "\\Documents");
    EXPECT_EQ(GetSpecialFolder(platform, "  アドレス: C:\\Users  "), "C:\\Users");
    EXPECT_EQ(GetSpecialFolder(platform, "C:\\Usersアドレス:"), "C:\\Users");
    EXPECT_TRUE(test.folders().lookups().empty());
    EXPECT_EQ(CleanFolderKey("アドアドレス:レス:x"), "アドレス:x");  // one pass, like a replace
}

TEST(GetSpecialFolder, NumbersInTheAcceptedSetAreShellFolders) {
    FilesTestPlatform test;
    Platform& platform = test.platform();
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{5}), kProfile + "\\Documents");
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{40}), kProfile);
    test.folders().SetShellFolder(61, "C:\\Sixty-one");
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{61}), "C:\\Sixty-one");
    EXPECT_TRUE(test.Messages().empty());
}

TEST(GetSpecialFolder, UnresolvedKeysAreShownAfterBringingTheWindowForward) {
    FilesTestPlatform test;
    Platform& platform = test.platform();
    for (int refused : {12, 15, 50, 51, 52, 57, 60, 0, 62, -1})
        EXPECT_EQ(GetSpecialFolder(platform, static_cast<std::int16_t>(refused)), "Error");
    EXPECT_TRUE(test.folders().lookups().empty());
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{3}), "Error");  // accepted, but no folder
    EXPECT_EQ(GetSpecialFolder(platform, ""), "Error");
    EXPECT_EQ(GetSpecialFolder(platform, "   "), "Error");
    EXPECT_EQ(GetSpecialFolder(platform, " アドレス: "), "Error");
    EXPECT_EQ(GetSpecialFolder(platform, " No Such Key "), "Error");
    EXPECT_EQ(GetSpecialFolder(platform, std::int32_t{5}), "Error");
    EXPECT_EQ(GetSpecialFolder(platform, OtherTypeKey{"2024/01/05"}), "Error");

    const std::vector<std::string> shown = {"12", "15", "50", "51", "52", "57", "60", "0", "62", "-1", "3",
                                            "",   "",   "",   "No Such Key", "5", "2024/01/05"};
    std::vector<std::string> expected;
    for (const auto& key : shown) {
        expected.push_back("front");
        expected.push_back("box:" + kUnresolved + key);
    }
    EXPECT_EQ(test.log(), expected);
}

TEST(GetSpecialFolder, TheUsersNameReachesTheProfileAfterAllButTheLastTwoFixedKeys) {
    FilesTestPlatform test;
    Platform& platform = test.platform();
    test.SetVariable("USERNAME", "Taro");
    EXPECT_EQ(GetSpecialFolder(platform, "taro"), kProfile);
    test.SetVariable("USERNAME", "desktop");
    EXPECT_EQ(GetSpecialFolder(platform, "desktop"), kProfile + "\\Desktop");
    test.SetVariable("USERNAME", "users");
    EXPECT_EQ(GetSpecialFolder(platform, "users"), "C:\\Users");
    test.SetVariable("USERNAME", "ダウンロード");
    EXPECT_EQ(GetSpecialFolder(platform, "ダウンロード"), kProfile);
    test.SetVariable("USERNAME", "3D オブジェクト");
    EXPECT_EQ(GetSpecialFolder(platform, "3d オブジェクト"), kProfile);
    EXPECT_TRUE(test.Messages().empty());

    test.SetVariable("USERNAME", "");
    EXPECT_EQ(GetSpecialFolder(platform, ""), "Error");
    EXPECT_EQ(test.Messages(), (std::vector<std::string>{kUnresolved}));
}

}  // namespace
}  // namespace tidemark
