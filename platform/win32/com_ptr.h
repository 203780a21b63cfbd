#pragma once

// An owning COM interface pointer in the manner of WIL's com_ptr: one
// reference per ComPtr, AddRef on copy, Release on reset and destruction.

#include <unknwn.h>

#include <cstddef>
#include <utility>

#include "win32_error.h"

namespace tidemark::win32 {

template <class T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}  // NOLINT: a null ComPtr converts like a null pointer
    ComPtr(const ComPtr& other) noexcept : pointer_(other.pointer_) { AddRef(); }
    ComPtr(ComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    ~ComPtr() { reset(); }

    ComPtr& operator=(ComPtr other) noexcept {
        std::swap(pointer_, other.pointer_);
        return *this;
    }

    // Takes over a reference the caller already owns (no AddRef).
    static ComPtr Attach(T* owned) noexcept {
        ComPtr result;
        result.pointer_ = owned;
        return result;
    }
    // Adds a reference of its own to a pointer the caller keeps.
    static ComPtr Copy(T* borrowed) noexcept {
        ComPtr result;
        result.pointer_ = borrowed;
        result.AddRef();
        return result;
    }

    T* get() const noexcept { return pointer_; }
    T* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }

    // For out parameters: drops the reference held and hands out the slot.
    T** put() noexcept {
        reset();
        return &pointer_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }

    void reset() noexcept {
        if (T* old = std::exchange(pointer_, nullptr)) old->Release();
    }
    [[nodiscard]] T* detach() noexcept { return std::exchange(pointer_, nullptr); }

    // QueryInterface; throws PlatformError (E_NOINTERFACE and the like).
    template <class U>
    ComPtr<U> query() const {
        ComPtr<U> result;
        ThrowIfFailed(pointer_ ? pointer_->QueryInterface(__uuidof(U), result.put_void()) : E_POINTER,
                      "QueryInterface");
        return result;
    }

private:
    void AddRef() const noexcept {
        if (pointer_) pointer_->AddRef();
    }

    T* pointer_ = nullptr;
};

// Runs a COM call that answers one interface through its last parameter and
// hands that back owned; a failed HRESULT throws, a null answer stays null.
template <class T, class Call>
ComPtr<T> Fetch(const char* what, Call&& call) {
    ComPtr<T> result;
    ThrowIfFailed(std::forward<Call>(call)(result.put()), what);
    return result;
}

}  // namespace tidemark::win32
