#pragma once

#include <windows.h>

#include <oleauto.h>

#include <cstdint>
#include <vector>

namespace tidemark::win32::uia_server {

// A runtime id as UI Automation hands it out: a new one-dimensional
// SAFEARRAY of VT_I4 from index 0, which the caller destroys. Throws
// PlatformError(E_OUTOFMEMORY).
SAFEARRAY* NewRuntimeIdArray(const std::vector<std::int32_t>& id);

// The integers of a runtime id a client hands back; throws
// PlatformError(E_INVALIDARG) for null or an array of another shape or type.
std::vector<std::int32_t> RuntimeIdOf(SAFEARRAY* id);

}  // namespace tidemark::win32::uia_server
