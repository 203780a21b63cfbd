#pragma once

// The order of year, month and day in a locale's short date.

#include <optional>
#include <string_view>

namespace tidemark::report {

// Year-day-month is rare (Kyrgyz on Windows) and taken only when the locale says so.
enum class DateOrder { YearMonthDay, DayMonthYear, MonthDayYear, YearDayMonth };

// The order of y, M and d in a date format such as "d.M.yy" or "yyyy/MM/dd"
// (Qt's and Windows' letters alike); nullopt when it holds not all three.
std::optional<DateOrder> OrderOfFormat(std::string_view format);

}  // namespace tidemark::report
