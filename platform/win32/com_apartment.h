#pragma once

#include <objbase.h>

#include "win32_error.h"

namespace tidemark::win32 {

// COM, apartment-threaded, on the calling thread for this object's life.
class ComApartment {
public:
    ComApartment() { ThrowIfFailed(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), "CoInitializeEx"); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    // S_FALSE (already initialised) also counts and is balanced here.
    ~ComApartment() { CoUninitialize(); }
};

}  // namespace tidemark::win32
