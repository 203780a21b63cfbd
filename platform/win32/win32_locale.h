#pragma once

#include <optional>
#include <string>
#include <utility>

#include "common/platform.h"

namespace tidemark::win32 {

// The user's default locale (LOCALE_NAME_USER_DEFAULT), or the locale of the given name ("de-DE").
class Win32Locale final : public Locale {
public:
    Win32Locale() = default;
    explicit Win32Locale(std::wstring name) : name_(std::move(name)) {}

    std::string DecimalSeparator() override;
    std::string GroupSeparator() override;
    std::string FormatGeneralDate(const LocalDateTime& when) override;
    DateWords Dates() override;

private:
    const wchar_t* Name() const;

    std::optional<std::wstring> name_;
};

}  // namespace tidemark::win32
