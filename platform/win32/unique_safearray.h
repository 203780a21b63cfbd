#pragma once

// An owned SAFEARRAY (SafeArrayDestroy when it goes) and the one kind the
// program reads out of one: a vector of 32-bit integers (runtime ids).

#include <windows.h>

#include <oleauto.h>

#include <cstdint>
#include <utility>
#include <vector>

namespace tidemark::win32 {

class unique_safearray {
public:
    unique_safearray() noexcept = default;
    explicit unique_safearray(SAFEARRAY* owned) noexcept : array_(owned) {}
    unique_safearray(unique_safearray&& other) noexcept : array_(std::exchange(other.array_, nullptr)) {}
    unique_safearray& operator=(unique_safearray&& other) noexcept {
        reset(std::exchange(other.array_, nullptr));
        return *this;
    }
    unique_safearray(const unique_safearray&) = delete;
    unique_safearray& operator=(const unique_safearray&) = delete;
    ~unique_safearray() { reset(); }

    SAFEARRAY* get() const noexcept { return array_; }
    SAFEARRAY** put() noexcept {
        reset();
        return &array_;
    }
    [[nodiscard]] SAFEARRAY* release() noexcept { return std::exchange(array_, nullptr); }
    void reset(SAFEARRAY* owned = nullptr) noexcept {
        if (SAFEARRAY* old = std::exchange(array_, owned); old && old != owned) {
            static_cast<void>(SafeArrayDestroy(old));
        }
    }

private:
    SAFEARRAY* array_ = nullptr;
};

// The elements of a one-dimensional VT_I4 array in index order; empty for a
// null array. Another element type or shape throws PlatformError
// (DISP_E_BADVARTYPE, DISP_E_BADINDEX).
std::vector<std::int32_t> Int32Elements(SAFEARRAY* array);

}  // namespace tidemark::win32
