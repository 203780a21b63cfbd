#include <gtest/gtest.h>

#include "common/files_test_platform.h"
#include "common/special_folder.h"

namespace tidemark {
namespace {

const std::string kUnresolved = "Tidemark|特殊フォルダの取得できませんでした。  FolderKey: ";
const std::string kProfile = "C:\\Users\\user";

TEST(GetSpecialFolder, TextKeysGoThroughTheirRowOrPassThroughAsFolders) {
    test_support::FilesTestPlatform test;
    Platform& platform = test.platform();
    EXPECT_EQ(GetSpecialFolder(platform, "mydocuments"), kProfile + "\\Documents");
    EXPECT_EQ(GetSpecialFolder(platform, "DESKTOP"), kProfile + "\\Desktop");
    EXPECT_EQ(GetSpecialFolder(platform, "デスクトップ"), kProfile + "\\Desktop");
    EXPECT_EQ(GetSpecialFolder(platform, "  Music "), kProfile + "\\Music");
    EXPECT_EQ(GetSpecialFolder(platform, "3D オブジェクト"), kProfile + "\\3D Objects");
    EXPECT_EQ(GetSpecialFolder(platform, "Users"), "C:\\Users");
    EXPECT_EQ(test.folders().lookups(),
              (std::vector<std::string>{"script:mydocuments", "script:DESKTOP", "csidl:16", "csidl:13",
                                        "Shell:3D Objects", "shell:UserProfiles"}));
    EXPECT_EQ(GetSpecialFolder(platform, "  アドレス: C:\\Users\\user\\Documents  "), kProfile + "\\Documents");
    EXPECT_EQ(GetSpecialFolder(platform, "C:\\Usersアドレス:"), "C:\\Users");
    EXPECT_EQ(CleanFolderKey("アドアドレス:レス:x"), "アドレス:x");  // one pass, like a replace
    EXPECT_EQ(test.folders().lookups().size(), 6u);
    // A row whose folder the shell lacks is a platform error for the caller, not a refusal.
    EXPECT_THROW(GetSpecialFolder(platform, "CommonFiles"), PlatformError);
    EXPECT_TRUE(test.Messages().empty());
}

TEST(GetSpecialFolder, NumbersOutsideTheSetAndUnknownKeysAreShownAfterBringingTheWindowForward) {
    test_support::FilesTestPlatform test;
    Platform& platform = test.platform();
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{5}), kProfile + "\\Documents");
    test.folders().SetShellFolder(61, "C:\\Sixty-one");
    EXPECT_EQ(GetSpecialFolder(platform, std::int16_t{61}), "C:\\Sixty-one");
    EXPECT_TRUE(test.log().empty());

    for (int refused : {12, 15, 50, 51, 52, 57, 60, 0, 62, -1})
        EXPECT_EQ(GetSpecialFolder(platform, static_cast<std::int16_t>(refused)), "Error");
    EXPECT_EQ(test.folders().lookups(), (std::vector<std::string>{"csidl:5", "csidl:61"}));
    for (FolderKey key :
         {FolderKey(std::int16_t{3}), FolderKey(""), FolderKey(" アドレス: "), FolderKey(" No Such Key "),
          FolderKey(std::int32_t{5}), FolderKey(OtherTypeKey{"2024/01/05"})})
        EXPECT_EQ(GetSpecialFolder(platform, key), "Error");

    std::vector<std::string> expected;
    for (const char* shown :
         {"12", "15", "50", "51", "52", "57", "60", "0", "62", "-1", "3", "", "", "No Such Key", "5", "2024/01/05"}) {
        expected.push_back("front");
        expected.push_back("box:" + kUnresolved + shown);
    }
    EXPECT_EQ(test.log(), expected);
}

TEST(GetSpecialFolder, TheUsersNameReachesTheProfileAfterAllButTheLastTwoFixedKeys) {
    test_support::FilesTestPlatform test;
    const auto asUser = [&](const std::string& name) {
        test.SetVariable("USERNAME", name);
        return GetSpecialFolder(test.platform(), name);
    };
    EXPECT_EQ(asUser("Taro"), kProfile);
    EXPECT_EQ(asUser("desktop"), kProfile + "\\Desktop");
    EXPECT_EQ(asUser("users"), "C:\\Users");
    EXPECT_EQ(asUser("ダウンロード"), kProfile);
    EXPECT_EQ(asUser("3D オブジェクト"), kProfile);
    EXPECT_TRUE(test.Messages().empty());
    EXPECT_EQ(asUser(""), "Error");
    EXPECT_EQ(test.Messages(), (std::vector<std::string>{kUnresolved}));
}

}  // namespace
}  // namespace tidemark
