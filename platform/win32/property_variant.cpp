#include "property_variant.h"

#include <type_traits>

#include "unique_bstr.h"
#include "wide_text.h"

namespace tidemark::win32 {

unique_variant ToVariant(const uia::PropertyValue& value) {
    unique_variant result;
    VARIANT& variant = result.get();
    std::visit(
        [&variant](const auto& held) {
            using Held = std::decay_t<decltype(held)>;
            if constexpr (std::is_same_v<Held, bool>) {
                variant.vt = VT_BOOL;
                variant.boolVal = held ? VARIANT_TRUE : VARIANT_FALSE;
            } else if constexpr (std::is_same_v<Held, std::int32_t>) {
                variant.vt = VT_I4;
                variant.lVal = held;
            } else if constexpr (std::is_same_v<Held, std::string>) {
                variant.bstrVal = MakeBstr(held).release();
                variant.vt = VT_BSTR;
            }
        },
        value);
    return result;
}

uia::PropertyValue ToPropertyValue(const VARIANT& value) {
    switch (value.vt) {
        case VT_BOOL: return value.boolVal != VARIANT_FALSE;
        case VT_I4: return static_cast<std::int32_t>(value.lVal);
        case VT_BSTR:
            return ToUtf8(std::wstring_view(value.bstrVal ? value.bstrVal : L"", SysStringLen(value.bstrVal)));
        default: return std::monostate{};
    }
}

}  // namespace tidemark::win32
