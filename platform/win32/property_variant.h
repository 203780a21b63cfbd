#pragma once

// PropertyValue <-> VARIANT: bool <-> VT_BOOL, int32 <-> VT_I4,
// string <-> VT_BSTR, none <-> VT_EMPTY. Any other kind read back (for
// instance UI Automation's "not supported" marker, a VT_UNKNOWN) is none.

#include <windows.h>

#include <oleauto.h>

#include "uia/automation.h"
#include "unique_variant.h"

namespace tidemark::win32 {

unique_variant ToVariant(const uia::PropertyValue& value);
uia::PropertyValue ToPropertyValue(const VARIANT& value);

}  // namespace tidemark::win32
