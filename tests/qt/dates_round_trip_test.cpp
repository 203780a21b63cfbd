// Every date the Linux build writes into the Time column reads back to the
// same instant, in every locale Qt knows, the C locale among them.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QLocale>

#include "qt/qt_locale.h"
#include "report/csv_reader.h"
#include "run/result_row.h"

namespace tidemark::qt {
namespace {

struct Instant {
    LocalDateTime when;
    const char* what;
};

report::LocalStamp StampOf(const LocalDateTime& when) {
    return {DaysFromCivil(when.year, when.month, when.day) * 86400 +
            static_cast<std::int64_t>(when.secondsSinceMidnight)};
}

TEST(DatesRoundTrip, EveryFormQtWritesReadsBackInEveryLocale) {
    const std::vector<Instant> instants = {
        {{2024, 2, 29, 0.0}, "midnight of a leap day"},
        {{2024, 2, 29, 12 * 3600.0}, "noon"},
        {{2025, 1, 5, 9 * 3600 + 3 * 60 + 7.0}, "morning"},
        {{2025, 1, 12, 21 * 3600 + 3 * 60 + 7.0}, "evening, day above 12"},
        {{1999, 12, 31, 23 * 3600 + 59 * 60 + 59.0}, "a two-digit year of the last century"},
        {{2000, 1, 1, 1.0}, "a two-digit year 00"},
        {{2031, 7, 14, 13 * 3600 + 30 * 60 + 45.0}, "a two-digit year ahead"},
    };
    const report::LocalStamp today = StampOf({2026, 12, 7, 16 * 3600.0});
    QList<QLocale> locales = QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    locales.prepend(QLocale::c());
    ASSERT_GT(locales.size(), 500);

    ResultPairs pairs;
    for (ResultPair& pair : pairs) pair = {"----", ""};
    pairs[0] = {"93", "Mbps"};
    std::vector<std::string> failures;
    for (const QLocale& qtLocale : locales) {
        QtLocale locale(qtLocale);
        const DateWords words = locale.Dates();
        std::string file = ResultFileHeader();
        std::vector<std::string> texts;
        for (const Instant& instant : instants) {
            texts.push_back(locale.FormatGeneralDate(instant.when));
            file += FormatResultRow(texts.back(), "", pairs);
        }
        // The whole file at once, and each row as a file of its own.
        const report::History whole = report::ReadHistory(file, {{}, words, today});
        for (std::size_t i = 0; i < instants.size(); ++i) {
            const report::History alone =
                report::ReadHistory(ResultFileHeader() + FormatResultRow(texts[i], "", pairs), {{}, words, today});
            const auto wrong = [&](const report::History& history, std::size_t row) {
                return history.rows.size() <= row ||
                       history.rows[row].time.seconds != StampOf(instants[i].when).seconds;
            };
            if (wrong(whole, i) || wrong(alone, 0))
                failures.push_back(qtLocale.name().toStdString() + " " + instants[i].what + ": \"" + texts[i] + "\"");
        }
    }
    if (std::getenv("TIDEMARK_LIST_DATES") != nullptr)
        for (const std::string& failure : failures) std::printf("%s\n", failure.c_str());
    EXPECT_TRUE(failures.empty()) << failures.size() << " dates did not read back, first: " << failures.front()
                                  << (failures.size() > 1 ? "\n" + failures[1] : "")
                                  << (failures.size() > 2 ? "\n" + failures[2] : "");
}

}  // namespace
}  // namespace tidemark::qt
