#include "qt/linux_file_errors.h"

#include <cerrno>
#include <cstring>

namespace tidemark::qt {

namespace {

unsigned Win32ErrorFor(int error) {
    switch (error) {
        case ENOENT: return 2;   // ERROR_FILE_NOT_FOUND
        case ENOTDIR: return 3;  // ERROR_PATH_NOT_FOUND
        case EMFILE:
        case ENFILE: return 4;  // ERROR_TOO_MANY_OPEN_FILES
        case EPERM:
        case EACCES:
        case EISDIR: return 5;    // ERROR_ACCESS_DENIED
        case EBADF: return 6;     // ERROR_INVALID_HANDLE
        case ENOMEM: return 8;    // ERROR_NOT_ENOUGH_MEMORY
        case EROFS: return 19;    // ERROR_WRITE_PROTECT
        case ETXTBSY: return 32;  // ERROR_SHARING_VIOLATION
        case EAGAIN: return 33;   // ERROR_LOCK_VIOLATION
        case EEXIST: return 80;   // ERROR_FILE_EXISTS
        case EINVAL: return 87;   // ERROR_INVALID_PARAMETER
        case ENOSPC:
        case EDQUOT: return 112;        // ERROR_DISK_FULL
        case EBUSY: return 170;         // ERROR_BUSY
        case ENAMETOOLONG: return 206;  // ERROR_FILENAME_EXCED_RANGE
        case EFBIG: return 223;         // ERROR_FILE_TOO_LARGE
        case EIO: return 1117;          // ERROR_IO_DEVICE
        case ELOOP: return 1921;        // ERROR_CANT_RESOLVE_FILENAME
        default: return static_cast<unsigned>(error) & 0xFFFFu;
    }
}

}  // namespace

HResult HResultFromErrno(int error) { return static_cast<HResult>(0x80070000u | Win32ErrorFor(error)); }

void ThrowErrno(int error, const std::string& what) {
    throw PlatformError(HResultFromErrno(error), what + ": " + std::strerror(error));
}

}  // namespace tidemark::qt
