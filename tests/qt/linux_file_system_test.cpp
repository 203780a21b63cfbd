#include "qt/linux_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <utility>

#include "common/drive_check.h"
#include "common/file_checks.h"
#include "common/file_in_use.h"
#include "sim/sim_platform.h"
#include "qt/linux_file_in_use.h"
#include "qt/linux_special_folders.h"
#include "qt/linux_test_folder.h"
#include "throws_platform_error.h"

namespace tidemark {
namespace {

using test_support::ReadBytes;
using test_support::WriteBytes;

enum class LockKind { Record, OpenFileDescription, Flock };

// A second process that opens and locks the file, says so over a pipe, and
// holds the lock until its release pipe is closed.
class LockingChild {
public:
    LockingChild(const std::string& path, LockKind kind) {
        int ready[2], release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
        if ((pid_ = ::fork()) == 0) {
            const int fd = ::open(path.c_str(), O_RDWR);
            struct flock whole {};
            whole.l_type = F_WRLCK;
            const bool locked =
                fd >= 0 &&
                (kind == LockKind::Flock ? ::flock(fd, LOCK_EX | LOCK_NB)
                                         : ::fcntl(fd, kind == LockKind::Record ? F_SETLK : F_OFD_SETLK, &whole)) == 0;
            char answer = locked ? 'L' : 'E';
            ::close(release[1]);
            (void)!::write(ready[1], &answer, 1);
            (void)!::read(release[0], &answer, 1);
            ::_exit(0);
        }
        ::close(ready[1]);
        ::close(release[0]);
        char answer = 0;
        locked_ = ::read(ready[0], &answer, 1) == 1 && answer == 'L';
        ::close(ready[0]);
        releaseEnd_ = release[1];
    }
    ~LockingChild() { Release(); }
    bool locked() const { return locked_; }
    void Release() {
        if (releaseEnd_ >= 0) ::close(std::exchange(releaseEnd_, -1));
        if (pid_ > 0) ::waitpid(std::exchange(pid_, -1), nullptr, 0);
    }

private:
    pid_t pid_ = -1;
    int releaseEnd_ = -1;
    bool locked_ = false;
};

class LinuxFiles : public ::testing::Test {
protected:
    sim::SimPlatform sim;
    qt::LinuxFileSystem files;
    qt::LinuxSpecialFolders folders;
    Platform platform = sim.PlatformWith(files, folders);
    test_support::TestFolder folder;
};

TEST_F(LinuxFiles, AFileLockedByAnotherProcessOrBesideALockFileIsInUse) {
    const std::string path = folder / "speed log.csv";
    WriteBytes(path, "row\r\n");
    for (LockKind kind : {LockKind::Record, LockKind::OpenFileDescription, LockKind::Flock}) {
        SCOPED_TRACE(static_cast<int>(kind));
        LockingChild child(path, kind);
        ASSERT_TRUE(child.locked());
        EXPECT_TRUE(CheckFileInUse(platform, path, true));
        child.Release();
        EXPECT_FALSE(CheckFileInUse(platform, path, true));
    }
    EXPECT_EQ(ReadBytes(path), "row\r\n");

    // LibreOffice's lock file, as it writes it while the document is open.
    EXPECT_EQ(qt::SpreadsheetLockFileOf(path), folder / ".~lock.speed log.csv#");
    WriteBytes(folder / ".~lock.speed log.csv#",
               ",taro,host,05.01.2024 09:03,file:///home/taro/.config/libreoffice/4;");
    EXPECT_TRUE(CheckFileInUse(platform, path, true));
    std::filesystem::remove(folder / ".~lock.speed log.csv#");
    EXPECT_FALSE(CheckFileInUse(platform, path, true));
}

TEST_F(LinuxFiles, ReadOnlyIsTheOwnersWritePermission) {
    const std::string path = folder / "speed.csv";
    WriteBytes(path, "");
    ASSERT_EQ(::chmod(path.c_str(), 0464), 0);
    EXPECT_EQ(files.GetAttributes(path), file_attribute::ReadOnly);
    EXPECT_FALSE(CheckFileInUse(platform, path, false));
    EXPECT_EQ(files.GetAttributes(path), file_attribute::ReadOnly);
    EXPECT_FALSE(CheckFileInUse(platform, path, true));
    EXPECT_EQ(std::filesystem::status(path).permissions(), std::filesystem::perms(0664));
    EXPECT_EQ(files.GetAttributes(folder.path()), file_attribute::Directory);
}

TEST_F(LinuxFiles, FindsFilesFoldersWildcardsAndVolumes) {
    std::filesystem::create_directories(folder / "sub.csv.d");
    WriteBytes(folder / "a[1].csv", "");
    for (const char* found : {"a[1].csv", "a[1]*", "a?1?.c*"})
        EXPECT_EQ(CheckFileExists(platform, folder / found), "OK");
    for (const char* notFound : {"a1*", "sub.csv.d", "*.d", "*/x"})
        EXPECT_EQ(CheckFileExists(platform, folder / notFound), "Error") << notFound;
    EXPECT_EQ(CheckFolderExists(platform, folder / "sub.csv.d"), "OK");
    EXPECT_EQ(CheckFolderExists(platform, folder / "a[1].csv"), "Error");
    EXPECT_EQ(CheckDrive(platform, folder.path()), "OK");
    EXPECT_EQ(CheckDrive(platform, "C:\\Users"), "Error");
    ASSERT_FALSE(files.Drives().empty());
    EXPECT_EQ(files.Drives()[0].root, "/");
    EXPECT_EQ(qt::ParseMountPoints("proc /proc proc rw 0 0\n/dev/sdb1 /media/my\\040card vfat rw 0 0\n\n"
                                   "tmpfs /proc tmpfs rw 0 0\nx /odd\\134name\\04 ext4 rw 0 0\n"),
              (std::vector<std::string>{"/proc", "/media/my card", "/odd\\name\\04"}));
}

TEST_F(LinuxFiles, AppendWritesTheUtf8BytesAsTheyAreAndReportsErrnoAsHresult) {
    const std::string path = folder / "回線.csv";
    files.Append(path, " ,Time\r\n");
    files.Append(path, "93Mbps,ミリ秒\r\n");
    EXPECT_EQ(ReadBytes(path), " ,Time\r\n93Mbps,\xE3\x83\x9F\xE3\x83\xAA\xE7\xA7\x92\r\n");
    EXPECT_THAT([&] { files.Append(folder / "no folder/x.csv", "x"); }, ThrowsPlatformError(kFileNotFound));
}

}  // namespace
}  // namespace tidemark
