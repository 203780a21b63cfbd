#include "property_variants.h"

#include "wide_text.h"

namespace tidemark::win32::uia_server {

namespace {
VARTYPE TypeOf(PROPERTYID id) {
    switch (id) {
        case uia::property::ControlType:
        case uia::property::WindowVisualState: return VT_I4;
        case uia::property::LocalizedControlType:
        case uia::property::Name:
        case uia::property::AutomationId:
        case uia::property::ClassName:
        case uia::property::ValueValue:
        case uia::property::LegacyIAccessibleName: return VT_BSTR;
        case uia::property::IsInvokePatternAvailable:
        case uia::property::IsSelectionItemPatternAvailable:
        case uia::property::IsValuePatternAvailable:
        case uia::property::IsWindowPatternAvailable:
        case uia::property::SelectionItemIsSelected: return VT_BOOL;
        default: return VT_EMPTY;
    }
}
}  // namespace

BSTR NewBstr(const std::string& utf8) {
    const std::wstring wide = ToWide(utf8);
    BSTR text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
    if (text == nullptr) throw PlatformError(static_cast<HResult>(E_OUTOFMEMORY), "SysAllocStringLen");
    return text;
}

uia::PropertyValue ConditionValue(PROPERTYID id, const VARIANT& value) {
    const VARTYPE type = TypeOf(id);
    if (type == VT_EMPTY) throw PlatformError(kEInvalidArg, "test server: a property it does not know");
    if (value.vt != type)
        throw PlatformError(kEInvalidArg, "test server: a VARIANT of another type than the property's");
    switch (type) {
        case VT_I4: return static_cast<std::int32_t>(value.lVal);
        case VT_BOOL: return value.boolVal != VARIANT_FALSE;
        default: return ToUtf8(std::wstring_view(value.bstrVal ? value.bstrVal : L"", SysStringLen(value.bstrVal)));
    }
}

void PutPropertyValue(PROPERTYID id, const uia::PropertyValue& value, VARIANT& out) {
    VariantInit(&out);
    if (std::holds_alternative<std::monostate>(value)) return;
    const VARTYPE type = TypeOf(id);
    if (const auto* number = std::get_if<std::int32_t>(&value); number && type == VT_I4) {
        out.lVal = *number;
    } else if (const auto* flag = std::get_if<bool>(&value); flag && type == VT_BOOL) {
        out.boolVal = *flag ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (const auto* text = std::get_if<std::string>(&value); text && type == VT_BSTR) {
        out.bstrVal = NewBstr(*text);
    } else {
        throw PlatformError(kEFail, "test server: the tree answered a property of another kind");
    }
    out.vt = type;
}

}  // namespace tidemark::win32::uia_server
