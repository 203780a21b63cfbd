#include "app/interval_limits.h"

#include <cmath>

#include "common/numeric_text.h"

namespace tidemark {

namespace {
// Later than any reading the program will meet (the year 2150 or so), so a
// step that moves this one moves every earlier one too.
constexpr double kLateWaitClockReading = 8.0e9;
constexpr double kWholeSecondsLimit = 9007199254740992.0;  // 2^53
}  // namespace

IntervalFit CheckIntervalFits(double minutes) {
    if (!(minutes > 0.0)) return IntervalFit::NotPositive;
    const double seconds = minutes * 60.0;
    if (!std::isfinite(seconds) || kLateWaitClockReading + seconds >= kWholeSecondsLimit) return IntervalFit::TooLong;
    if (kLateWaitClockReading + seconds <= kLateWaitClockReading) return IntervalFit::TooShort;
    return IntervalFit::Schedulable;
}

double IntervalMinutes(Locale& locale, const std::string& text) {
    return LeadingNumber(text, locale.DecimalSeparator(), locale.GroupSeparator());
}

bool IsUsableIntervalText(Locale& locale, const std::string& text) {
    return IsNumericText(locale, text) && CheckIntervalFits(IntervalMinutes(locale, text)) == IntervalFit::Schedulable;
}

}  // namespace tidemark
