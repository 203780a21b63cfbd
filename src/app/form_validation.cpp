#include "app/form_validation.h"

#include "app/interval_limits.h"
#include "common/file_name_check.h"
#include "common/numeric_text.h"

namespace tidemark {

namespace {
ValidationOutcome Refuse(std::string_view message) { return {true, std::string(message)}; }
}  // namespace

ValidationOutcome ValidateFileName(const std::string& name) {
    if (CheckFileNameChars(name) == "Error" || IsWindowsDeviceName(name)) return Refuse(kInvalidFileNameMessage);
    return {};
}

ValidationOutcome ValidateInterval(Locale& locale, const std::string& text, bool intervalLimitOff) {
    if (!IsNumericText(locale, text)) return {true, {}};
    const double minutes = IntervalMinutes(locale, text);
    if (!intervalLimitOff && minutes < 3.0) return Refuse(kIntervalMinimumMessage);
    switch (CheckIntervalFits(minutes)) {
        case IntervalFit::Schedulable: return {};
        case IntervalFit::NotPositive: return Refuse(kIntervalNotPositiveMessage);
        case IntervalFit::TooShort: return Refuse(kIntervalTooShortMessage);
        case IntervalFit::TooLong: return Refuse(kIntervalTooLongMessage);
    }
    return {};
}

}  // namespace tidemark
