#pragma once

// Day counts from 1970-01-01 of proleptic Gregorian dates, and back, on
// std::chrono's calendar.

#include <cstdint>

namespace tidemark {

std::int64_t DaysFromCivil(int year, int month, int day);
void CivilFromDays(std::int64_t days, int& year, int& month, int& day);

}  // namespace tidemark
