#include <gtest/gtest.h>

#include <string>

#include "common/array_utils.h"
#include "common/edge_path.h"
#include "common/file_name_check.h"

namespace tidemark {
namespace {

TEST(CheckFileNameChars, RefusesEachForbiddenCharacterAnywhereAndPassesTheRest) {
    for (char forbidden : std::string("\\/:,;*?\"<>|")) {
        EXPECT_EQ(CheckFileNameChars(std::string("a") + forbidden + "b"), "Error") << forbidden;
        EXPECT_EQ(CheckFileNameChars(std::string(1, forbidden)), "Error") << forbidden;
    }
    EXPECT_EQ(CheckFileNameChars(""), "OK");
    EXPECT_EQ(CheckFileNameChars("my speed log.v2"), "OK");
    EXPECT_EQ(CheckFileNameChars("回線速度ログ"), "OK");
    EXPECT_EQ(CheckFileNameChars("100% [home] & 'line'"), "OK");
}

TEST(IsWindowsDeviceName, KnowsTheDevicesWithAndWithoutExtension) {
    for (const char* device : {"CON", "nul", "Aux", "PRN", "COM1", "com9", "LPT1", "lpt9", "CON.csv", "nul ", "AUX. "})
        EXPECT_TRUE(IsWindowsDeviceName(device)) << device;
    for (const char* ordinary : {"", "CONSOLE", "COM0", "COM10", "LPT", "Tidemark", "ACON", "nul2", ".csv"})
        EXPECT_FALSE(IsWindowsDeviceName(ordinary)) << ordinary;
}

TEST(TrimAtNull, CutsAtTheFirstNulAndTrimsBlanks) {
    std::string buffer(260, ' ');
    buffer.replace(0, 10, "C:\\Windows");
    buffer[10] = '\0';
    buffer[11] = '\0';
    EXPECT_EQ(TrimAtNull(buffer), "C:\\Windows");
    EXPECT_EQ(TrimAtNull("  D:\\WinNT  "), "D:\\WinNT");
    EXPECT_EQ(TrimAtNull(std::string("\0abc", 4)), "");
}

TEST(IsArrayDimensioned, TellsNeverDimensionedAndEmptyObjectListsApart) {
    DynamicList<int> never;
    EXPECT_FALSE(IsArrayDimensioned(never));
    DynamicList<int> one = std::vector<int>(1);
    EXPECT_TRUE(IsArrayDimensioned(one));
    DynamicList<std::shared_ptr<int>> emptyObjects = std::vector<std::shared_ptr<int>>{};
    EXPECT_FALSE(IsArrayDimensioned(emptyObjects));
    DynamicList<std::shared_ptr<int>> oneObject = std::vector<std::shared_ptr<int>>(1);
    EXPECT_TRUE(IsArrayDimensioned(oneObject));
}

}  // namespace
}  // namespace tidemark
