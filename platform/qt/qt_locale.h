#pragma once

#include "common/platform.h"

namespace tidemark::qt {

// The system locale's separators and its short date with the long time,
// the time without the zone name Qt's long form adds.
class QtLocale : public Locale {
public:
    std::string DecimalSeparator() override;
    std::string GroupSeparator() override;
    std::string FormatGeneralDate(const LocalDateTime& when) override;
};

}  // namespace tidemark::qt
