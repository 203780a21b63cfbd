#include "report/time_text.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/text.h"

namespace tidemark::report {

namespace {
enum class Meridiem { None, Am, Pm };

constexpr int kNoMonth = 0;
constexpr std::int64_t kSecondsPerDay = 86400;

struct Pieces {
    std::array<int, 3> date{};  // in the text's order; with a month name, the two numbers and 0
    std::array<int, 3> dateDigits{};
    int namedMonth = kNoMonth;  // 1 to 12 when the month is written as a word
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The zero of every decimal digit block of Unicode; each is followed by 1 to 9.
constexpr std::array<char32_t, 66> kZeros = {
    0x30,    0x660,   0x6f0,   0x7c0,   0x966,   0x9e6,   0xa66,   0xae6,   0xb66,   0xbe6,   0xc66,
    0xce6,   0xd66,   0xde6,   0xe50,   0xed0,   0xf20,   0x1040,  0x1090,  0x17e0,  0x1810,  0x1946,
    0x19d0,  0x1a80,  0x1a90,  0x1b50,  0x1bb0,  0x1c40,  0x1c50,  0xa620,  0xa8d0,  0xa900,  0xa9d0,
    0xa9f0,  0xaa50,  0xabf0,  0xff10,  0x104a0, 0x10d30, 0x11066, 0x110f0, 0x11136, 0x111d0, 0x112f0,
    0x11450, 0x114d0, 0x11650, 0x116c0, 0x11730, 0x118e0, 0x11950, 0x11c50, 0x11d50, 0x11da0, 0x16a60,
    0x16ac0, 0x16b50, 0x1d7ce, 0x1d7d8, 0x1d7e2, 0x1d7ec, 0x1d7f6, 0x1e140, 0x1e2f0, 0x1e950, 0x1fbf0};

constexpr std::array<std::string_view, 12> kEnglishMonths = {"january",   "february", "march",    "april",
                                                             "may",       "june",     "july",     "august",
                                                             "september", "october",  "november", "december"};
constexpr std::array<std::string_view, 7> kAm = {"AM", "am", "a.m.", "A.M.", "午前", "上午", "오전"};
constexpr std::array<std::string_view, 7> kPm = {"PM", "pm", "p.m.", "P.M.", "午後", "下午", "오후"};

// The text with the digits of every script as ASCII digits; other text as it is.
std::string AsciiDigits(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (i + length > text.size()) length = 1;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) code = code << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        const auto zero = std::upper_bound(kZeros.begin(), kZeros.end(), code);
        if (length > 1 && zero != kZeros.begin() && code - *(zero - 1) < 10) {
            plain += static_cast<char>('0' + (code - *(zero - 1)));
        } else {
            plain.append(text.substr(i, length));
        }
        i += length;
    }
    return plain;
}

// The longest marker of the morning or the afternoon in the text.
Meridiem FindMeridiem(std::string_view text, const DateWords& words) {
    Meridiem found = Meridiem::None;
    std::size_t longest = 0;
    auto look = [&](std::string_view marker, Meridiem which) {
        if (marker.size() > longest && text.find(marker) != std::string_view::npos) {
            longest = marker.size();
            found = which;
        }
    };
    for (const std::string_view am : kAm) look(am, Meridiem::Am);
    for (const std::string_view pm : kPm) look(pm, Meridiem::Pm);
    for (const std::string& am : words.am) look(am, Meridiem::Am);
    for (const std::string& pm : words.pm) look(pm, Meridiem::Pm);
    return found;
}

// The month whose name (or English name, or its first three letters) is the longest found in the text.
int FindMonth(const std::string& lowered, const DateWords& words) {
    int month = kNoMonth;
    std::size_t longest = 0;
    auto look = [&](std::string_view name, int which) {
        if (name.size() > longest && lowered.find(name) != std::string::npos) {
            longest = name.size();
            month = which;
        }
    };
    for (int m = 0; m < 12; ++m) {
        look(kEnglishMonths[static_cast<std::size_t>(m)], m + 1);
        look(kEnglishMonths[static_cast<std::size_t>(m)].substr(0, 3), m + 1);
        for (const std::string& name : words.months[static_cast<std::size_t>(m)])
            if (!name.empty()) look(LowerAscii(name), m + 1);
    }
    return month;
}

std::optional<Pieces> Split(std::string_view original, const DateWords& words) {
    const std::string text = AsciiDigits(original);
    std::vector<int> numbers;
    std::vector<int> digits;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] < '0' || text[i] > '9') {
            ++i;
            continue;
        }
        int value = 0;
        int count = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            if (count < 9) value = value * 10 + (text[i] - '0');
            ++count;
            ++i;
        }
        numbers.push_back(value);
        digits.push_back(count);
    }
    Pieces pieces;
    std::size_t dateNumbers = 3;
    if (numbers.size() == 2 || numbers.size() == 4 || numbers.size() == 5) {
        pieces.namedMonth = FindMonth(LowerAscii(text), words);
        if (pieces.namedMonth == kNoMonth && numbers.size() != 5) return std::nullopt;
        if (pieces.namedMonth != kNoMonth) dateNumbers = 2;
    } else if (numbers.size() != 3 && numbers.size() != 6) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < dateNumbers; ++i) {
        pieces.date[i] = numbers[i];
        pieces.dateDigits[i] = digits[i];
    }
    const std::size_t timeNumbers = numbers.size() - dateNumbers;
    if (timeNumbers == 1) return std::nullopt;
    if (timeNumbers >= 2) {
        pieces.hour = numbers[dateNumbers];
        pieces.minute = numbers[dateNumbers + 1];
        if (timeNumbers == 3) pieces.second = numbers[dateNumbers + 2];
        const Meridiem meridiem = FindMeridiem(text, words);
        if (meridiem != Meridiem::None) {
            if (pieces.hour < 1 || pieces.hour > 12) return std::nullopt;
            pieces.hour = pieces.hour % 12 + (meridiem == Meridiem::Pm ? 12 : 0);
        }
    }
    if (pieces.hour > 23 || pieces.minute > 59 || pieces.second > 60) return std::nullopt;
    return pieces;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

struct Date {
    int year = 0, month = 0, day = 0;
    bool shortYear = false;
};

std::optional<Date> DateOf(const Pieces& pieces, DateOrder order) {
    Date date;
    int yearDigits = 0;
    if (pieces.namedMonth != kNoMonth) {
        // The year is the longer number, else where the order puts it.
        const bool yearFirst = pieces.dateDigits[0] > pieces.dateDigits[1] ||
                               (pieces.dateDigits[0] == pieces.dateDigits[1] &&
                                (order == DateOrder::YearMonthDay || order == DateOrder::YearDayMonth));
        date = {pieces.date[yearFirst ? 0 : 1], pieces.namedMonth, pieces.date[yearFirst ? 1 : 0]};
        yearDigits = pieces.dateDigits[yearFirst ? 0 : 1];
    } else {
        const auto& n = pieces.date;
        switch (order) {
            case DateOrder::YearMonthDay: date = {n[0], n[1], n[2]}, yearDigits = pieces.dateDigits[0]; break;
            case DateOrder::MonthDayYear: date = {n[2], n[0], n[1]}, yearDigits = pieces.dateDigits[2]; break;
            case DateOrder::DayMonthYear: date = {n[2], n[1], n[0]}, yearDigits = pieces.dateDigits[2]; break;
            case DateOrder::YearDayMonth: date = {n[0], n[2], n[1]}, yearDigits = pieces.dateDigits[0]; break;
        }
    }
    if (yearDigits != 4 && yearDigits != 2) return std::nullopt;
    date.shortYear = yearDigits == 2;
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > 31) return std::nullopt;
    return date;
}

// A full year for a two-digit one: the century nearest to `reference`.
int FullYear(int shortYear, int reference) {
    int best = 0;
    for (int century = reference / 100 - 1; century <= reference / 100 + 1; ++century) {
        const int year = century * 100 + shortYear;
        if (best == 0 || std::abs(year - reference) < std::abs(best - reference)) best = year;
    }
    return best;
}

std::optional<LocalStamp> Stamp(const Pieces& pieces, const Date& given, int referenceYear) {
    Date date = given;
    if (date.shortYear) date.year = FullYear(date.year, referenceYear);
    if (date.day > DaysInMonth(date.year, date.month)) return std::nullopt;
    return LocalStamp{DaysFromCivil(date.year, date.month, date.day) * kSecondsPerDay + pieces.hour * 3600 +
                      pieces.minute * 60 + pieces.second};
}

int YearOf(LocalStamp stamp) {
    int y = 0, m = 0, d = 0;
    CivilFromDays(stamp.Day(), y, m, d);
    return y;
}
}  // namespace

std::vector<std::optional<LocalStamp>> ReadTimeColumn(const std::vector<std::string>& texts, const DateWords& words,
                                                      std::optional<LocalStamp> today) {
    std::vector<std::optional<Pieces>> pieces;
    pieces.reserve(texts.size());
    for (const std::string& text : texts) pieces.push_back(Split(text, words));

    // The order under which most rows are dates, and of those, most follow
    // each other in time: rows are appended as they are measured. A tie goes
    // to the locale's own order, else day first before month first before a
    // year first that has only two digits.
    std::vector<DateOrder> orders;
    const std::optional<DateOrder> localeOrder = OrderOfFormat(words.shortDateFormat);
    if (localeOrder) orders.push_back(*localeOrder);
    for (const DateOrder order : {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay})
        if (order != localeOrder) orders.push_back(order);
    const int provisionalYear = today ? YearOf(*today) : 2000;
    DateOrder best = orders.front();
    long bestScore = -1;
    for (const DateOrder order : orders) {
        long score = 0;
        std::optional<LocalStamp> previous;
        for (const auto& piece : pieces) {
            if (!piece) continue;
            const std::optional<Date> date = DateOf(*piece, order);
            const std::optional<LocalStamp> stamp = date ? Stamp(*piece, *date, provisionalYear) : std::nullopt;
            if (!stamp) continue;
            score += 2;
            if (previous && !(*stamp < *previous)) score += 1;
            previous = stamp;
        }
        if (score > bestScore) {
            bestScore = score;
            best = order;
        }
    }

    std::vector<std::optional<Date>> dates;
    dates.reserve(pieces.size());
    std::vector<int> fullYears;
    for (const auto& piece : pieces) {
        dates.push_back(piece ? DateOf(*piece, best) : std::nullopt);
        if (dates.back() && !dates.back()->shortYear) fullYears.push_back(dates.back()->year);
    }
    int referenceYear = provisionalYear;
    if (!fullYears.empty()) {
        std::nth_element(fullYears.begin(), fullYears.begin() + static_cast<long>(fullYears.size() / 2),
                         fullYears.end());
        referenceYear = fullYears[fullYears.size() / 2];
    }
    std::vector<std::optional<LocalStamp>> stamps;
    stamps.reserve(texts.size());
    for (std::size_t i = 0; i < pieces.size(); ++i)
        stamps.push_back(dates[i] ? Stamp(*pieces[i], *dates[i], referenceYear) : std::nullopt);
    return stamps;
}

}  // namespace tidemark::report
