#include "sim/sim_locale.h"

#include <cstdio>

namespace tidemark::sim {

std::string SimLocale::FormatGeneralDate(const LocalDateTime& when) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", when.year, when.month, when.day);
    const long seconds = static_cast<long>(when.secondsSinceMidnight);  // whole seconds
    if (seconds <= 0) return text;
    std::string result = text;
    std::snprintf(text, sizeof text, " %ld:%02ld:%02ld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return result + text;
}

}  // namespace tidemark::sim
