#pragma once

// VARIANTs of the properties the server knows, each of the one type UI
// Automation documents for it: ControlType and WindowVisualState VT_I4; the
// names, ids, class and value VT_BSTR; the pattern availabilities and
// IsSelected VT_BOOL.

#include <windows.h>

#include <oleauto.h>

#include <string>

#include "uia/automation.h"
#include "uia_com.h"

namespace tidemark::win32::uia_server {

// A property condition's value. Throws PlatformError(E_INVALIDARG) for a
// property the server does not know or a VARIANT of another type.
uia::PropertyValue ConditionValue(PROPERTYID id, const VARIANT& value);

// Fills `out` (cleared) with the tree's answer: VT_EMPTY for a property the
// tree has no value of. An answer of another kind than the property's
// throws PlatformError(E_FAIL): the tree and the documentation disagree.
void PutPropertyValue(PROPERTYID id, const uia::PropertyValue& value, VARIANT& out);

// A new BSTR of the UTF-8 text; throws PlatformError(E_OUTOFMEMORY).
BSTR NewBstr(const std::string& utf8);

}  // namespace tidemark::win32::uia_server
