#include "report/time_text.h"

#include <array>
#include <string_view>

namespace tidemark::report {

namespace {
enum class Meridiem { None, Am, Pm };

struct Pieces {
    std::array<int, 3> date{};
    std::array<int, 3> dateDigits{};
    int hour = 0;
    int minute = 0;
    int second = 0;
    Meridiem meridiem = Meridiem::None;
};

enum class Order { YearMonthDay, MonthDayYear, DayMonthYear };

bool Contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

// Markers of the morning and the afternoon in the locales a 12-hour clock is common in.
Meridiem FindMeridiem(std::string_view text) {
    for (std::string_view pm : {"PM", "pm", "p.m.", "P.M.", "午後", "下午", "오후"})
        if (Contains(text, pm)) return Meridiem::Pm;
    for (std::string_view am : {"AM", "am", "a.m.", "A.M.", "午前", "上午", "오전"})
        if (Contains(text, am)) return Meridiem::Am;
    return Meridiem::None;
}

std::optional<Pieces> Split(std::string_view text) {
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
    if (numbers.size() != 3 && numbers.size() != 5 && numbers.size() != 6) return std::nullopt;
    Pieces pieces;
    for (std::size_t i = 0; i < 3; ++i) {
        pieces.date[i] = numbers[i];
        pieces.dateDigits[i] = digits[i];
    }
    if (numbers.size() >= 5) {
        pieces.hour = numbers[3];
        pieces.minute = numbers[4];
        if (numbers.size() == 6) pieces.second = numbers[5];
    }
    pieces.meridiem = FindMeridiem(text);
    if (pieces.meridiem != Meridiem::None) {
        if (pieces.hour < 1 || pieces.hour > 12) return std::nullopt;
        pieces.hour = pieces.hour % 12 + (pieces.meridiem == Meridiem::Pm ? 12 : 0);
    }
    if (pieces.hour > 23 || pieces.minute > 59 || pieces.second > 60) return std::nullopt;
    return pieces;
}

int DaysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::optional<LocalStamp> Stamp(const Pieces& pieces, Order order) {
    int year = 0, month = 0, day = 0;
    int yearDigits = 0;
    switch (order) {
        case Order::YearMonthDay:
            year = pieces.date[0], month = pieces.date[1], day = pieces.date[2], yearDigits = pieces.dateDigits[0];
            break;
        case Order::MonthDayYear:
            month = pieces.date[0], day = pieces.date[1], year = pieces.date[2], yearDigits = pieces.dateDigits[2];
            break;
        case Order::DayMonthYear:
            day = pieces.date[0], month = pieces.date[1], year = pieces.date[2], yearDigits = pieces.dateDigits[2];
            break;
    }
    // A two-digit year comes last; first it would be read as a day (13.01.24).
    if (yearDigits != 4 && (yearDigits != 2 || order == Order::YearMonthDay)) return std::nullopt;
    if (yearDigits == 2) year += 2000;
    if (month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month)) return std::nullopt;
    return LocalStamp{DaysFromCivil(year, month, day) * 86400 + pieces.hour * 3600 + pieces.minute * 60 +
                      pieces.second};
}
}  // namespace

std::vector<std::optional<LocalStamp>> ReadTimeColumn(const std::vector<std::string>& texts) {
    std::vector<std::optional<Pieces>> pieces;
    pieces.reserve(texts.size());
    for (const std::string& text : texts) pieces.push_back(Split(text));

    // The order under which most rows are dates, and of those, most follow
    // each other in time: rows are appended as they are measured.
    constexpr std::array kOrders = {Order::YearMonthDay, Order::DayMonthYear, Order::MonthDayYear};
    Order best = Order::YearMonthDay;
    long bestScore = -1;
    for (const Order order : kOrders) {
        long score = 0;
        std::optional<LocalStamp> previous;
        for (const auto& piece : pieces) {
            if (!piece) continue;
            const std::optional<LocalStamp> stamp = Stamp(*piece, order);
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

    std::vector<std::optional<LocalStamp>> stamps;
    stamps.reserve(texts.size());
    for (const auto& piece : pieces) stamps.push_back(piece ? Stamp(*piece, best) : std::nullopt);
    return stamps;
}

}  // namespace tidemark::report
