#pragma once

// "Throws a PlatformError with this code", for EXPECT_THAT on a callable:
//
//   EXPECT_THAT([&] { files.Append(path, "x"); }, ThrowsPlatformError(kFileNotFound));
//   EXPECT_THAT([&] { pipe.Call("Nope"); }, ThrowsPlatformError(kEFail, HasSubstr("Nope")));

#include <gmock/gmock.h>

#include "common/platform_error.h"

namespace tidemark {

inline auto ThrowsPlatformError(HResult code) {
    return ::testing::Throws<PlatformError>(::testing::Property("code", &PlatformError::code, code));
}

// ... and whose message matches `message`.
template <typename MessageMatcher>
auto ThrowsPlatformError(HResult code, MessageMatcher message) {
    return ::testing::Throws<PlatformError>(
        ::testing::AllOf(::testing::Property("code", &PlatformError::code, code),
                         ::testing::Property("what", &PlatformError::what, message)));
}

}  // namespace tidemark
