#pragma once

#include <string>

#include "common/platform.h"

namespace tidemark {

enum class IntervalFit { Schedulable, NotPositive, TooShort, TooLong };

// Whether the schedule can step by minutes x 60 seconds: the step must
// change a wait-clock reading of this century and beyond (readings are about
// 4e9 s now), and the next run time must stay within whole-second precision
// (below 2^53 s), where the countdown still counts true.
IntervalFit CheckIntervalFits(double minutes);

// The interval text's minutes, as validation and the schedule read them.
double IntervalMinutes(Locale& locale, const std::string& text);

// A number whose minutes the schedule can step by.
bool IsUsableIntervalText(Locale& locale, const std::string& text);

}  // namespace tidemark
