#include "win32_locale.h"

#include <windows.h>

#include <cmath>
#include <utility>

#include "wide_text.h"
#include "win32_error.h"

namespace tidemark::win32 {

namespace {
// The Get*FormatEx and GetLocaleInfoEx calls share one shape: asked with no
// buffer they answer the length with the NUL, then they fill the buffer.
template <class Call>
std::string Answer(const char* what, Call call) {
    const int needed = call(nullptr, 0);
    if (needed == 0) ThrowLastError(what);
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    const int written = call(text.data(), needed);
    if (written == 0) ThrowLastError(what);
    text.resize(static_cast<std::size_t>(written - 1));
    return ToUtf8(text);
}

std::string LocaleInfo(const wchar_t* name, LCTYPE item) {
    return Answer("GetLocaleInfoEx",
                  [name, item](LPWSTR buffer, int length) { return GetLocaleInfoEx(name, item, buffer, length); });
}

// Whole seconds: the fraction of the reading is dropped.
SYSTEMTIME ToSystemTime(const LocalDateTime& when) {
    const auto seconds = static_cast<long>(std::floor(when.secondsSinceMidnight));
    SYSTEMTIME time{};
    time.wYear = static_cast<WORD>(when.year);
    time.wMonth = static_cast<WORD>(when.month);
    time.wDay = static_cast<WORD>(when.day);
    time.wHour = static_cast<WORD>(seconds / 3600);
    time.wMinute = static_cast<WORD>(seconds / 60 % 60);
    time.wSecond = static_cast<WORD>(seconds % 60);
    return time;
}
}  // namespace

const wchar_t* Win32Locale::Name() const { return name_ ? name_->c_str() : LOCALE_NAME_USER_DEFAULT; }

std::string Win32Locale::DecimalSeparator() { return LocaleInfo(Name(), LOCALE_SDECIMAL); }

std::string Win32Locale::GroupSeparator() { return LocaleInfo(Name(), LOCALE_STHOUSAND); }

std::string Win32Locale::FormatGeneralDate(const LocalDateTime& when) {
    const SYSTEMTIME time = ToSystemTime(when);
    const wchar_t* name = Name();
    std::string text = Answer("GetDateFormatEx", [name, &time](LPWSTR buffer, int length) {
        return GetDateFormatEx(name, DATE_SHORTDATE, &time, nullptr, buffer, length, nullptr);
    });
    if (time.wHour == 0 && time.wMinute == 0 && time.wSecond == 0) return text;
    text += ' ';
    text += Answer("GetTimeFormatEx", [name, &time](LPWSTR buffer, int length) {
        return GetTimeFormatEx(name, 0, &time, nullptr, buffer, length);
    });
    return text;
}

DateWords Win32Locale::Dates() {
    DateWords words;
    for (LCTYPE month = 0; month < 12; ++month) {
        auto& names = words.months[month];
        names.push_back(LocaleInfo(Name(), LOCALE_SMONTHNAME1 + month));
        names.push_back(LocaleInfo(Name(), LOCALE_SABBREVMONTHNAME1 + month));
    }
    words.am.push_back(LocaleInfo(Name(), LOCALE_S1159));
    words.pm.push_back(LocaleInfo(Name(), LOCALE_S2359));
    words.shortDateFormat = LocaleInfo(Name(), LOCALE_SSHORTDATE);
    return words;
}

}  // namespace tidemark::win32
