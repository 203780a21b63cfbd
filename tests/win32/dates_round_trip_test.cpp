// Every date the Windows build writes into the Time column reads back to the
// same instant, in every locale the system knows (Wine's here), through the
// platform's own formats and words.

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "report/csv_reader.h"
#include "run/result_row.h"
#include "wide_text.h"
#include "win32_locale.h"

namespace tidemark::win32 {
namespace {

BOOL CALLBACK AddLocale(LPWSTR name, DWORD, LPARAM names) {
    reinterpret_cast<std::vector<std::wstring>*>(names)->push_back(name);
    return TRUE;
}

report::LocalStamp StampOf(const LocalDateTime& when) {
    return {DaysFromCivil(when.year, when.month, when.day) * 86400 +
            static_cast<std::int64_t>(when.secondsSinceMidnight)};
}

TEST(Win32DatesRoundTrip, EveryFormWindowsWritesReadsBackInEveryLocale) {
    std::vector<std::wstring> names;
    ASSERT_TRUE(EnumSystemLocalesEx(AddLocale, LOCALE_WINDOWS, reinterpret_cast<LPARAM>(&names), nullptr));
    ASSERT_GT(names.size(), 100u);
    const std::vector<LocalDateTime> instants = {{2024, 2, 29, 0.0},
                                                 {2024, 2, 29, 12 * 3600.0},
                                                 {2025, 1, 12, 21 * 3600 + 3 * 60 + 7.0},
                                                 {1999, 12, 31, 23 * 3600 + 59 * 60 + 59.0},
                                                 {2031, 7, 14, 9 * 3600 + 30 * 60 + 45.0}};
    const report::LocalStamp today = StampOf({2026, 12, 7, 0.0});
    ResultPairs pairs;
    for (ResultPair& pair : pairs) pair = {"----", ""};
    pairs[0] = {"93", "Mbps"};
    std::vector<std::string> failures;
    std::size_t tried = 0;
    for (const std::wstring& name : names) {
        if (name.empty()) continue;  // the invariant locale
        Win32Locale locale(name);
        DateWords words;
        std::vector<std::string> texts;
        try {
            words = locale.Dates();
            for (const LocalDateTime& when : instants) texts.push_back(locale.FormatGeneralDate(when));
        } catch (const PlatformError&) {
            continue;  // a locale without the Gregorian calendar's formats
        }
        ++tried;
        for (std::size_t i = 0; i < instants.size(); ++i) {
            const report::History alone =
                report::ReadHistory(ResultFileHeader() + FormatResultRow(texts[i], "", pairs), {{}, words, today});
            if (alone.rows.size() != 1 || alone.rows[0].time.seconds != StampOf(instants[i]).seconds)
                failures.push_back(ToUtf8(name) + ": \"" + texts[i] + "\"");
        }
    }
    EXPECT_GT(tried, 100u);
    if (std::getenv("TIDEMARK_LIST_DATES") != nullptr)
        for (const std::string& failure : failures) std::printf("%s\n", failure.c_str());
    EXPECT_TRUE(failures.empty()) << failures.size() << " dates did not read back, first: " << failures.front()
                                  << (failures.size() > 1 ? "\n" + failures[1] : "")
                                  << (failures.size() > 2 ? "\n" + failures[2] : "");
}

}  // namespace
}  // namespace tidemark::win32
