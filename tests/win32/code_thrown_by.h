#pragma once

#include "common/platform_error.h"

namespace tidemark::win32 {

// The code of the PlatformError that `call` throws; S_OK when it throws none.
template <class Call>
HResult CodeThrownBy(Call call) {
    try {
        call();
    } catch (const PlatformError& error) {
        return error.code();
    }
    return kSOk;
}

}  // namespace tidemark::win32
