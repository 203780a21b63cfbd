#include "qt/linux_file_system.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "common/drive_check.h"
#include "common/file_checks.h"
#include "common/file_in_use.h"
#include "common/files_test_platform.h"
#include "qt/linux_file_in_use.h"
#include "qt/linux_special_folders.h"
#include "qt/linux_test_folder.h"

namespace tidemark {
namespace {

using test_support::ReadBytes;
using test_support::TestFolder;
using test_support::WriteBytes;

enum class LockKind { Record, OpenFileDescription, Flock };

// A second process that opens the file, locks it, says so over a pipe and
// keeps the lock until it is released (or this object goes).
class LockingChild {
public:
    LockingChild(const std::string& path, LockKind kind) {
        int ready[2];
        int release[2];
        if (::pipe(ready) != 0 || ::pipe(release) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(ready[0]);
            ::close(release[1]);
            const int fd = ::open(path.c_str(), O_RDWR);
            char answer = fd >= 0 && TakeLock(fd, kind) ? 'L' : 'E';
            (void)!::write(ready[1], &answer, 1);
            (void)!::read(release[0], &answer, 1);  // returns when the parent closes its end
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
        if (releaseEnd_ >= 0) ::close(releaseEnd_);
        releaseEnd_ = -1;
        if (pid_ > 0) ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    static bool TakeLock(int fd, LockKind kind) {
        struct flock whole {};
        whole.l_type = F_WRLCK;
        whole.l_whence = SEEK_SET;
        switch (kind) {
            case LockKind::Record: return ::fcntl(fd, F_SETLK, &whole) == 0;
            case LockKind::OpenFileDescription: return ::fcntl(fd, F_OFD_SETLK, &whole) == 0;
            case LockKind::Flock: return ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        }
        return false;
    }

    pid_t pid_ = -1;
    int releaseEnd_ = -1;
    bool locked_ = false;
};

class LinuxFiles : public ::testing::Test {
protected:
    test_support::FakeServices services;
    qt::LinuxFileSystem files;
    qt::LinuxSpecialFolders folders;
    Platform platform = services.Bind(files, folders);
    TestFolder folder;
};

TEST_F(LinuxFiles, AFileLockedByAnotherProcessIsInUseUntilItIsReleased) {
    const std::string path = folder / "speed.csv";
    WriteBytes(path, "row\r\n");
    for (LockKind kind : {LockKind::Record, LockKind::OpenFileDescription, LockKind::Flock}) {
        SCOPED_TRACE(static_cast<int>(kind));
        LockingChild child(path, kind);
        ASSERT_TRUE(child.locked());
        EXPECT_FALSE(files.OpenExclusive(path));
        EXPECT_TRUE(CheckFileInUse(platform, path, true));
        child.Release();
        EXPECT_TRUE(files.OpenExclusive(path));
        EXPECT_FALSE(CheckFileInUse(platform, path, true));
    }
    EXPECT_EQ(ReadBytes(path), "row\r\n");
}

TEST_F(LinuxFiles, ASpreadsheetLockFileBesideItMarksTheFileInUse) {
    const std::string path = folder / "speed log.csv";
    WriteBytes(path, "");
    EXPECT_EQ(qt::SpreadsheetLockFileOf(path), folder / ".~lock.speed log.csv#");
    WriteBytes(folder / ".~lock.speed log.csv#", ",user,host,05.01.2024 09:03,file:///home/user/.config/libreoffice/4;");
    EXPECT_TRUE(CheckFileInUse(platform, path, true));
    std::filesystem::remove(folder / ".~lock.speed log.csv#");
    EXPECT_FALSE(CheckFileInUse(platform, path, true));
    EXPECT_FALSE(CheckFileInUse(platform, folder / "missing.csv", true));
}

TEST_F(LinuxFiles, ReadOnlyIsTheOwnersWritePermission) {
    const std::string path = folder / "speed.csv";
    WriteBytes(path, "");
    ASSERT_EQ(::chmod(path.c_str(), 0464), 0);
    EXPECT_EQ(files.GetAttributes(path), file_attribute::ReadOnly);

    EXPECT_FALSE(CheckFileInUse(platform, path, false));
    struct stat status {};
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0464u);

    EXPECT_FALSE(CheckFileInUse(platform, path, true));
    ASSERT_EQ(::stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0664u);
    EXPECT_EQ(files.GetAttributes(path), file_attribute::Normal);
    EXPECT_EQ(files.GetAttributes(folder.path()), file_attribute::Directory);
    try {
        files.GetAttributes(folder / "missing.csv");
        ADD_FAILURE() << "no error for a missing file";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.code(), static_cast<HResult>(0x80070002u));
    }
}

TEST_F(LinuxFiles, FindsFilesFoldersAndWildcardsInTheLastComponent) {
    std::filesystem::create_directories(folder / "sub.csv.d");
    WriteBytes(folder / "a[1].csv", "");
    EXPECT_EQ(CheckFileExists(platform, folder / "a[1].csv"), "OK");
    EXPECT_EQ(CheckFileExists(platform, folder / "a[1]*"), "OK");
    EXPECT_EQ(CheckFileExists(platform, folder / "a?1?.c*"), "OK");
    EXPECT_EQ(CheckFileExists(platform, folder / "a1*"), "Error");
    EXPECT_EQ(CheckFileExists(platform, folder / "sub.csv.d"), "Error");
    EXPECT_EQ(CheckFileExists(platform, folder / "*.d"), "Error");
    EXPECT_EQ(CheckFileExists(platform, folder / "*/x"), "Error");
    EXPECT_EQ(CheckFolderExists(platform, folder / "sub.csv.d"), "OK");
    EXPECT_EQ(CheckFolderExists(platform, folder / "a[1].csv"), "Error");
    EXPECT_EQ(CheckFolderExists(platform, "/"), "OK");
    EXPECT_EQ(CheckDrive(platform, folder.path()), "OK");
    EXPECT_EQ(CheckDrive(platform, "C:\\Users"), "Error");
    EXPECT_EQ(CheckDrive(platform, "relative/path"), "Error");
}

TEST_F(LinuxFiles, DrivesAreTheRootAndTheMountPoints) {
    const std::vector<Drive> drives = files.Drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives[0].root, "/");
    EXPECT_TRUE(drives[0].ready);
    EXPECT_EQ(qt::ParseMountPoints("proc /proc proc rw 0 0\n"
                                   "/dev/sdb1 /media/my\\040card vfat rw 0 0\n"
                                   "\n"
                                   "tmpfs /proc tmpfs rw 0 0\n"
                                   "x /odd\\134name\\04 ext4 rw 0 0\n"),
              (std::vector<std::string>{"/proc", "/media/my card", "/odd\\name\\04"}));
}

TEST_F(LinuxFiles, AppendWritesTheUtf8BytesAsTheyAre) {
    const std::string path = folder / "回線.csv";
    files.Append(path, " ,Time\r\n");
    files.Append(path, " ,2024/01/05 9:03:07,,93Mbps,ミリ秒\r\n");
    EXPECT_EQ(ReadBytes(path), " ,Time\r\n ,2024/01/05 9:03:07,,93Mbps,\xE3\x83\x9F\xE3\x83\xAA\xE7\xA7\x92\r\n");
    try {
        files.Append(folder / "no folder/x.csv", "x");
        ADD_FAILURE() << "no error for a missing folder";
    } catch (const PlatformError& error) {
        EXPECT_EQ(error.code(), static_cast<HResult>(0x80070002u));
    }
}

}  // namespace
}  // namespace tidemark
