#pragma once

// How every implemented method of the test server answers: the tree's
// PlatformError becomes the HRESULT it carries, nothing else crosses the COM
// boundary, and an out parameter is cleared before anything can fail.

#include <windows.h>

#include <new>
#include <utility>

#include "common/platform_error.h"

namespace tidemark::win32::uia_server {

template <class Body>
HRESULT Answer(Body&& body) noexcept {
    try {
        std::forward<Body>(body)();
        return S_OK;
    } catch (const PlatformError& error) {
        return error.code() < 0 ? static_cast<HRESULT>(error.code()) : E_FAIL;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// For a method with one out parameter: E_POINTER without it, else it starts
// out as `empty` and `body` fills it.
template <class Out, class Body>
HRESULT AnswerInto(Out* out, Out empty, Body&& body) noexcept {
    if (out == nullptr) return E_POINTER;
    *out = empty;
    return Answer([&] { std::forward<Body>(body)(*out); });
}

}  // namespace tidemark::win32::uia_server
