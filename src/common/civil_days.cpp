#include "common/civil_days.h"

#include <chrono>

namespace tidemark {

std::int64_t DaysFromCivil(int year, int month, int day) {
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    return std::chrono::sys_days(date).time_since_epoch().count();
}

void CivilFromDays(std::int64_t days, int& year, int& month, int& day) {
    const std::chrono::year_month_day date{std::chrono::sys_days(std::chrono::days(days))};
    year = static_cast<int>(date.year());
    month = static_cast<int>(static_cast<unsigned>(date.month()));
    day = static_cast<int>(static_cast<unsigned>(date.day()));
}

}  // namespace tidemark
