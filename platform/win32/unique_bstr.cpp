#include "unique_bstr.h"

#include "common/platform_error.h"
#include "wide_text.h"

namespace tidemark::win32 {

unique_bstr MakeBstr(std::string_view utf8) {
    const std::wstring wide = ToWide(utf8);
    unique_bstr result(SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size())));
    if (!result.get()) throw PlatformError(static_cast<HResult>(E_OUTOFMEMORY), "SysAllocStringLen");
    return result;
}

std::string ToUtf8(const unique_bstr& text) { return ToUtf8(text.view()); }

}  // namespace tidemark::win32
