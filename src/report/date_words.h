#pragma once

// The order of year, month and day in a locale's short date.

#include <optional>
#include <string_view>

namespace tidemark::report {

enum class DateOrder { YearMonthDay, DayMonthYear, MonthDayYear };

// The order of y, M and d in a date format such as "d.M.yy" or "yyyy/MM/dd"
// (Qt's and Windows' letters alike); nullopt when it holds not all three.
std::optional<DateOrder> OrderOfFormat(std::string_view format);

}  // namespace tidemark::report
