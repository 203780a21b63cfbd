#include "qt/linux_record_files.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "scoped_variable.h"

namespace tidemark::qt {
namespace {

TEST(LinuxRecordFiles, TheStateFolderFollowsXdgAndItsFilesAreWrittenAsBytes) {
    EXPECT_EQ(StateFolderFor("/x/state", "/home/u"), "/x/state/tidemark");
    EXPECT_EQ(StateFolderFor("relative", "/home/u"), "/home/u/.local/state/tidemark") << "XDG wants absolute paths";
    EXPECT_EQ(StateFolderFor(nullptr, "/home/u"), "/home/u/.local/state/tidemark");
    EXPECT_THROW(StateFolderFor(nullptr, nullptr), PlatformError);

    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const std::string root = home.path().toStdString();
    const test_support::ScopedVariable state("XDG_STATE_HOME", root + "/deep/state");
    LinuxRecordFiles files;
    const std::string folder = files.Folder();
    EXPECT_EQ(folder, root + "/deep/state/tidemark/");

    const std::string log = folder + "tidemark.log";
    EXPECT_EQ(files.Size(log), 0u);
    EXPECT_FALSE(files.Read(log));
    files.Append(log, "one\n");
    files.Append(log, std::string("\x83\x65\n", 3));
    EXPECT_EQ(files.Size(log), 7u);
    files.Replace(log, folder + "tidemark.log.1");
    EXPECT_EQ(*files.Read(folder + "tidemark.log.1"), std::string("one\n\x83\x65\n", 7));
    files.Write(folder + "page.html", "<p/>");
    files.Write(folder + "page.html", "<br/>");
    EXPECT_EQ(*files.Read(folder + "page.html"), "<br/>");
    EXPECT_FALSE(files.Read(folder + "page.html.part"));
    EXPECT_THROW(files.Append(root + "/no/such/folder/x", "x"), PlatformError);

    // A Windows result file of a Japanese system: 午後 in Shift_JIS.
    const std::optional<std::string> decoded = files.LegacyToUtf8("\x8C\xDF\x8C\xE3");
    ASSERT_TRUE(decoded) << "Qt decodes Shift_JIS through ICU";
    EXPECT_EQ(*decoded, "\xE5\x8D\x88\xE5\xBE\x8C");
}

}  // namespace
}  // namespace tidemark::qt
