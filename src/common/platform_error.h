#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace tidemark {

// An HRESULT-style code: negative values are failures.
using HResult = std::int32_t;

constexpr HResult kSOk = 0;
constexpr HResult kEFail = static_cast<HResult>(0x80004005u);
constexpr HResult kENotImpl = static_cast<HResult>(0x80004001u);
constexpr HResult kEPointer = static_cast<HResult>(0x80004003u);
constexpr HResult kEInvalidArg = static_cast<HResult>(0x80070057u);
constexpr HResult kEAccessDenied = static_cast<HResult>(0x80070005u);
constexpr HResult kFileNotFound = static_cast<HResult>(0x80070002u);      // HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND)
constexpr HResult kPathNotFound = static_cast<HResult>(0x80070003u);      // HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND)
constexpr HResult kSharingViolation = static_cast<HResult>(0x80070020u);  // HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION)
constexpr HResult kClassNotRegistered = static_cast<HResult>(0x80040154u);   // REGDB_E_CLASSNOTREG
constexpr HResult kElementNotAvailable = static_cast<HResult>(0x80040201u);  // UIA_E_ELEMENTNOTAVAILABLE

// The one exception type: every failure the platform reports travels as this,
// up to the one place that handles it.
class PlatformError : public std::runtime_error {
public:
    explicit PlatformError(HResult code, const std::string& what = {});

    HResult code() const noexcept { return code_; }

private:
    HResult code_;
};

// "0x80004005" and the like, for messages.
std::string HResultText(HResult code);

}  // namespace tidemark
