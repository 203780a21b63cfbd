#include "win32_instance_lock.h"

#include "win32_error.h"

namespace tidemark::win32 {

bool Win32InstanceLock::TryAcquire() {
    if (mutex_) return true;
    unique_handle mutex(CreateMutexW(nullptr, FALSE, mutexName_.c_str()));
    const DWORD error = GetLastError();
    if (!mutex) ThrowLastError("CreateMutexW");
    if (error == ERROR_ALREADY_EXISTS) return false;
    mutex_ = std::move(mutex);
    return true;
}

}  // namespace tidemark::win32
