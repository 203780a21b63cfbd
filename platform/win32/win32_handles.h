#pragma once

// Owned kernel and registry handles: closed when they go.

#include <windows.h>

#include <utility>

namespace tidemark::win32 {

template <class Handle, auto Close, auto Invalid>
class unique_any_handle {
public:
    unique_any_handle() noexcept = default;
    explicit unique_any_handle(Handle owned) noexcept : handle_(owned) {}
    unique_any_handle(unique_any_handle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid())) {}
    unique_any_handle& operator=(unique_any_handle&& other) noexcept {
        reset(std::exchange(other.handle_, Invalid()));
        return *this;
    }
    unique_any_handle(const unique_any_handle&) = delete;
    unique_any_handle& operator=(const unique_any_handle&) = delete;
    ~unique_any_handle() { reset(); }

    Handle get() const noexcept { return handle_; }
    Handle* put() noexcept {
        reset();
        return &handle_;
    }
    explicit operator bool() const noexcept { return handle_ != Invalid(); }
    // Gives up ownership without closing, for a handle something else has closed.
    Handle release() noexcept { return std::exchange(handle_, Invalid()); }
    void reset(Handle owned = Invalid()) noexcept {
        if (Handle old = std::exchange(handle_, owned); old != Invalid() && old != owned) Close(old);
    }

private:
    Handle handle_ = Invalid();
};

namespace detail {
inline void CloseKernelHandle(HANDLE handle) noexcept { static_cast<void>(CloseHandle(handle)); }
inline void CloseRegistryKey(HKEY key) noexcept { static_cast<void>(RegCloseKey(key)); }
inline void CloseFindHandle(HANDLE search) noexcept { static_cast<void>(FindClose(search)); }
constexpr HANDLE NoHandle() noexcept { return nullptr; }
inline HANDLE InvalidHandle() noexcept { return INVALID_HANDLE_VALUE; }
constexpr HKEY NoKey() noexcept { return nullptr; }
}  // namespace detail

// For handles whose "none" is null (mutexes, processes, threads).
using unique_handle = unique_any_handle<HANDLE, detail::CloseKernelHandle, detail::NoHandle>;
// For CreateFile's files, whose "none" is INVALID_HANDLE_VALUE.
using unique_hfile = unique_any_handle<HANDLE, detail::CloseKernelHandle, detail::InvalidHandle>;
using unique_hfind = unique_any_handle<HANDLE, detail::CloseFindHandle, detail::InvalidHandle>;
using unique_hkey = unique_any_handle<HKEY, detail::CloseRegistryKey, detail::NoKey>;

}  // namespace tidemark::win32
