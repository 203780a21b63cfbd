#pragma once

// Owned top-level windows and GDI objects. Child windows belong to their
// parent and go with it.

#include <windows.h>

#include "win32_handles.h"

namespace tidemark::win32 {

namespace detail {
inline void DestroyOwnedWindow(HWND window) noexcept { static_cast<void>(DestroyWindow(window)); }
inline void DeleteFont(HFONT font) noexcept { static_cast<void>(DeleteObject(font)); }
constexpr HWND NoWindow() noexcept { return nullptr; }
constexpr HFONT NoFont() noexcept { return nullptr; }
}  // namespace detail

using unique_hwnd = unique_any_handle<HWND, detail::DestroyOwnedWindow, detail::NoWindow>;
using unique_hfont = unique_any_handle<HFONT, detail::DeleteFont, detail::NoFont>;

}  // namespace tidemark::win32
