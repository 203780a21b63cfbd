#pragma once

#include <string>

#include "common/platform.h"
#include "win32_handles.h"

namespace tidemark::win32 {

// A named mutex in the session: the first process to create it holds the
// lock for as long as it keeps the handle (the process's life).
class Win32InstanceLock final : public InstanceLock {
public:
    static constexpr const wchar_t* kTidemarkMutex = L"Local\\Tidemark.SingleInstance";

    explicit Win32InstanceLock(std::wstring mutexName = kTidemarkMutex) : mutexName_(std::move(mutexName)) {}
    bool TryAcquire() override;

private:
    std::wstring mutexName_;
    unique_handle mutex_;
};

}  // namespace tidemark::win32
