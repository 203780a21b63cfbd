#include "report/date_words.h"

#include <string>

namespace tidemark::report {

std::optional<DateOrder> OrderOfFormat(std::string_view format) {
    std::string letters;
    bool quoted = false;
    for (const char c : format) {
        if (c == '\'') quoted = !quoted;
        if (quoted || (c != 'y' && c != 'M' && c != 'd')) continue;
        if (letters.empty() || letters.back() != c) letters += c;
    }
    if (letters == "yMd") return DateOrder::YearMonthDay;
    if (letters == "dMy") return DateOrder::DayMonthYear;
    if (letters == "Mdy") return DateOrder::MonthDayYear;
    if (letters == "ydM") return DateOrder::YearDayMonth;
    return std::nullopt;
}

}  // namespace tidemark::report
