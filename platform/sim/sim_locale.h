#pragma once

#include "common/platform.h"

namespace tidemark::sim {

// A Japanese system's formats: "." and ",", dates as 2024/01/05 9:03:07.
class SimLocale : public Locale {
public:
    std::string DecimalSeparator() override { return decimal_; }
    std::string GroupSeparator() override { return group_; }
    std::string FormatGeneralDate(const LocalDateTime& when) override;

    void SetSeparators(std::string decimal, std::string group) {
        decimal_ = std::move(decimal);
        group_ = std::move(group);
    }

private:
    std::string decimal_ = ".";
    std::string group_ = ",";
};

}  // namespace tidemark::sim
