#include "qt/linux_file_in_use.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

#include "posix/unique_fd.h"

namespace tidemark::qt {

using posix::UniqueFd;

namespace {

bool Exists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

bool LockConflict(int error) { return error == EAGAIN || error == EACCES || error == EWOULDBLOCK; }

bool RecordLockHeldByOther(int fd) {
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    whole.l_start = 0;
    whole.l_len = 0;  // to the end, however long
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0) return false;
    if (errno == EINVAL) {
        // Kernels before 3.15 know only process-owned locks; we hold none on this file.
        if (::fcntl(fd, F_SETLK, &whole) == 0) return false;
    }
    return LockConflict(errno);
}

bool FlockHeldByOther(int fd) { return ::flock(fd, LOCK_EX | LOCK_NB) != 0 && LockConflict(errno); }

}  // namespace

std::string SpreadsheetLockFileOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + ".~lock." + name + "#";
}

bool OpenExclusive(const std::string& path) {
    if (Exists(SpreadsheetLockFileOf(path))) return false;
    // O_NONBLOCK: a FIFO without a reader fails instead of hanging the run.
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd) return false;
    if (RecordLockHeldByOther(fd.get())) return false;
    if (FlockHeldByOther(fd.get())) return false;
    return true;  // closing drops the locks just taken
}

}  // namespace tidemark::qt
