#pragma once

#include <string>
#include <string_view>

#include "common/platform.h"

namespace tidemark {

inline constexpr std::string_view kInvalidFileNameMessage = "File name contains invalid characters.";
inline constexpr std::string_view kIntervalMinimumMessage = "Please input greater than 3minunte.";
inline constexpr std::string_view kIntervalNotPositiveMessage = "The interval must be greater than 0 minutes.";
inline constexpr std::string_view kIntervalTooShortMessage = "The interval is too short to schedule.";
inline constexpr std::string_view kIntervalTooLongMessage = "The interval is too long to schedule.";

// What a field's Validate event decides: keep the focus (cancel), and the
// message to show first, if any.
struct ValidationOutcome {
    bool cancel = false;
    std::string message;
};

// A name with a forbidden character, or one Windows takes for a device (CON, NUL.txt).
ValidationOutcome ValidateFileName(const std::string& name);

// Not a number: cancel silently. Below 3 minutes unless the limit is off,
// 0 or less, or a step the schedule cannot take: cancel with a message.
ValidationOutcome ValidateInterval(Locale& locale, const std::string& text, bool intervalLimitOff);

}  // namespace tidemark
