#pragma once

// An owned BSTR: SysFreeString when it goes.

#include <windows.h>

#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace tidemark::win32 {

class unique_bstr {
public:
    unique_bstr() noexcept = default;
    explicit unique_bstr(BSTR owned) noexcept : bstr_(owned) {}
    unique_bstr(unique_bstr&& other) noexcept : bstr_(std::exchange(other.bstr_, nullptr)) {}
    unique_bstr& operator=(unique_bstr&& other) noexcept {
        reset(std::exchange(other.bstr_, nullptr));
        return *this;
    }
    unique_bstr(const unique_bstr&) = delete;
    unique_bstr& operator=(const unique_bstr&) = delete;
    ~unique_bstr() { reset(); }

    BSTR get() const noexcept { return bstr_; }
    // For out parameters: frees the string held and hands out the slot.
    BSTR* put() noexcept {
        reset();
        return &bstr_;
    }
    [[nodiscard]] BSTR release() noexcept { return std::exchange(bstr_, nullptr); }
    void reset(BSTR owned = nullptr) noexcept {
        if (BSTR old = std::exchange(bstr_, owned); old != owned) SysFreeString(old);
    }

    // A null BSTR is the empty string.
    std::wstring_view view() const noexcept { return {bstr_ ? bstr_ : L"", SysStringLen(bstr_)}; }

private:
    BSTR bstr_ = nullptr;
};

// A new BSTR holding the UTF-8 text; throws PlatformError(E_OUTOFMEMORY).
unique_bstr MakeBstr(std::string_view utf8);

std::string ToUtf8(const unique_bstr& text);

}  // namespace tidemark::win32
