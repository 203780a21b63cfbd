#pragma once

// An owned VARIANT: VariantClear when it goes, so a BSTR or interface inside
// is freed or released with it.

#include <windows.h>

#include <oleauto.h>

namespace tidemark::win32 {

class unique_variant {
public:
    unique_variant() noexcept { VariantInit(&value_); }
    unique_variant(unique_variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    unique_variant& operator=(unique_variant&& other) noexcept {
        if (this != &other) {
            reset();
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    unique_variant(const unique_variant&) = delete;
    unique_variant& operator=(const unique_variant&) = delete;
    ~unique_variant() { reset(); }

    const VARIANT& get() const noexcept { return value_; }
    VARIANT& get() noexcept { return value_; }
    // For out parameters: clears the value held and hands out the slot.
    VARIANT* put() noexcept {
        reset();
        return &value_;
    }
    // VariantClear leaves VT_EMPTY behind even when it reports a failure.
    void reset() noexcept { static_cast<void>(VariantClear(&value_)); }

private:
    VARIANT value_;
};

}  // namespace tidemark::win32
