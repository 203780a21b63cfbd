#pragma once

#include "common/platform.h"

namespace tidemark::win32 {

// The user's default locale (LOCALE_NAME_USER_DEFAULT).
class Win32Locale final : public Locale {
public:
    std::string DecimalSeparator() override;
    std::string GroupSeparator() override;
    std::string FormatGeneralDate(const LocalDateTime& when) override;
};

}  // namespace tidemark::win32
