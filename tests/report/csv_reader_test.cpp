#include "report/csv_reader.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "report/time_text.h"
#include "run/result_row.h"

namespace tidemark::report {
namespace {

constexpr const char* kUtf8Pm = "\xE5\x8D\x88\xE5\xBE\x8C";     // 午後
constexpr const char* kCp932Pm = "\x8C\xDF\x8C\xE3";            // 午後 in the Japanese code page
constexpr const char* kCp932Test = "\x83\x65\x83\x58\x83\x67";  // テスト

LocalStamp At(int year, int month, int day, int hour, int minute, int second = 0) {
    return {DaysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second};
}

using State = Reading::State;

TEST(CsvReader, ReadsEveryShapeOfRowAndNamesTheLinesItCannotRead) {
    const std::string file =
        ResultFileHeader() +
        " ,2024/01/05 9:03:07,,95Mbps,94.52Mbps,38.21Mbps,12.3ms,2.1ms,94.52Mbps,38.21Mbps,12ms\r\n"
        " ,2024/01/05 9:33:07,Test timed out.,95Mbps,Error,Error,Error,Error,Error,Error,Error\r\n"
        " ,2024/01/05 10:03:07,,----,1.5Gbps,--Mbps,--,,\"1,234.56Mbps\",850Kbps,11ms\r\n"
        "\r\n"
        " ,2024/01/05 10:33:07,,12,5Mbps,----,----,----,----,----,----,----\r\n"  // unquoted: one field too many
        " ,2024/01/05 11:03:07,,\"12,5Mbps\",----,----,----,----,93,----,0.5s\r\n"
        " ,2024/01/05 11:33:07,,93Foo,----,----,----,----,----,----,12Mbps\r\n"
        " ,yesterday,,93Mbps,----,----,----,----,----,----,----\r\n"
        "garbage\n"
        " ,2024/01/06,,93Mbps,----,----,----,----,----,----,----,,\n";  // midnight, LF, trailing commas
    const History history = ReadHistory(file);
    EXPECT_FALSE(history.legacyText);

    ASSERT_EQ(history.rows.size(), 5u);
    const HistoryRow& clean = history.rows[0];
    EXPECT_EQ(clean.line, 3);
    EXPECT_EQ(clean.time.seconds, At(2024, 1, 5, 9, 3, 7).seconds);
    EXPECT_TRUE(clean.note.empty());
    EXPECT_DOUBLE_EQ(clean.readings[kUsenJitter].value, 2.1);
    EXPECT_DOUBLE_EQ(clean.readings[kSpeedPing].value, 12);
    EXPECT_FALSE(clean.failed());

    const HistoryRow& timedOut = history.rows[1];
    EXPECT_EQ(timedOut.note, "Test timed out.");
    EXPECT_EQ(timedOut.readings[kFastDown].state, State::Value);
    EXPECT_EQ(timedOut.readings[kUsenDown].state, State::Failed);
    EXPECT_TRUE(timedOut.failed());

    const HistoryRow& mixed = history.rows[2];
    EXPECT_EQ(mixed.readings[kFastDown].state, State::NotChosen);
    EXPECT_EQ(mixed.readings[kUsenUp].state, State::Failed) << "--Mbps";
    EXPECT_EQ(mixed.readings[kUsenPing].state, State::Failed) << "--";
    EXPECT_EQ(mixed.readings[kUsenJitter].state, State::Empty);
    EXPECT_DOUBLE_EQ(mixed.readings[kSpeedDown].value, 1234.56);
    EXPECT_DOUBLE_EQ(mixed.readings[kUsenDown].value, 1500);
    EXPECT_DOUBLE_EQ(mixed.readings[kSpeedUp].value, 0.85);
    EXPECT_DOUBLE_EQ(mixed.readings[kSpeedPing].value, 11);
    EXPECT_TRUE(mixed.failed());

    const HistoryRow& decimalComma = history.rows[3];
    EXPECT_DOUBLE_EQ(decimalComma.readings[kFastDown].value, 12.5);
    EXPECT_DOUBLE_EQ(decimalComma.readings[kSpeedDown].value, 93) << "no unit: the column's own";
    EXPECT_DOUBLE_EQ(decimalComma.readings[kSpeedPing].value, 500);

    EXPECT_EQ(history.rows[4].time.seconds, At(2024, 1, 6, 0, 0).seconds);

    ASSERT_EQ(history.unreadable.size(), 4u);
    EXPECT_EQ(history.unreadable[0].line, 7);
    EXPECT_EQ(history.unreadable[0].reason, "12 fields where a row has 11");
    EXPECT_EQ(history.unreadable[1].line, 9);
    EXPECT_EQ(history.unreadable[1].reason, "figures not understood: column 4 \"93Foo\", column 11 \"12Mbps\"");
    EXPECT_EQ(history.unreadable[2].line, 10);
    EXPECT_EQ(history.unreadable[2].reason, "no date in the Time column: \"yesterday\"");
    EXPECT_EQ(history.unreadable[3].line, 11);
    EXPECT_EQ(history.unreadable[3].text, "garbage");
}

TEST(CsvReader, WindowsAnsiTextIsReadThroughTheLegacyDecoderOrSafelyWithoutOne) {
    const std::string file = ResultFileHeader() + " ,2024/01/05 " + kCp932Pm + " 9:03:07," + kCp932Test +
                             ",95Mbps,----,----,----,----,----,----,----\r\n" +
                             " ,2024/01/05 \x8C\xDF\x91\x4F 1:00:00,,96Mbps,----,----,----,----,----,----,\xFF\r\n";
    const History plain = ReadHistory(file);
    EXPECT_TRUE(plain.legacyText);
    ASSERT_EQ(plain.rows.size(), 1u);
    EXPECT_EQ(plain.rows[0].time.seconds, At(2024, 1, 5, 21, 3, 7).seconds);
    EXPECT_EQ(plain.rows[0].note, "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD") << "one mark per double-byte character";
    ASSERT_EQ(plain.unreadable.size(), 1u);
    EXPECT_TRUE(IsUtf8(plain.unreadable[0].text));
    EXPECT_TRUE(IsUtf8(plain.unreadable[0].reason));

    // The platform's decoder turns the code page into the real characters.
    const History decoded =
        ReadHistory(file, {[](const std::string& bytes) {
                               std::string text = bytes;
                               for (const auto& [from, to] : {std::pair<std::string, std::string>{kCp932Pm, kUtf8Pm},
                                                              {kCp932Test, "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88"},
                                                              {"\x8C\xDF\x91\x4F", "\xE5\x8D\x88\xE5\x89\x8D"},
                                                              {"\xFF", "?"}})
                                   for (std::size_t at; (at = text.find(from)) != std::string::npos;)
                                       text.replace(at, from.size(), to);
                               return std::optional<std::string>(text);
                           },
                           {},
                           {}});
    ASSERT_EQ(decoded.rows.size(), 1u);
    EXPECT_EQ(decoded.rows[0].note, "\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88");
    EXPECT_EQ(decoded.rows[0].time.seconds, At(2024, 1, 5, 21, 3, 7).seconds);
}

TEST(CsvReader, TheTimeColumnIsReadInTheOrderThatFitsTheWholeFile) {
    // Month first (United States): 1/13 cannot be day first.
    auto us = ReadTimeColumn({"1/12/2024 11:30:00 PM", "1/13/2024 12:00:00 AM", "1/13/2024 9:03:07 AM"});
    EXPECT_EQ(us[0]->seconds, At(2024, 1, 12, 23, 30).seconds);
    EXPECT_EQ(us[1]->seconds, At(2024, 1, 13, 0, 0).seconds);
    // Day first (Germany), two-digit year.
    auto de = ReadTimeColumn({"12.01.24 23:30:00", "13.01.24 00:00:00"});
    EXPECT_EQ(de[1]->seconds, At(2024, 1, 13, 0, 0).seconds);
    // Day first as well, told apart only by the rows following each other in time.
    auto gb = ReadTimeColumn({"30/01/2024 23:30:00", "01/02/2024 09:00:00", "02/02/2024 09:00:00"});
    EXPECT_EQ(gb[1]->seconds, At(2024, 2, 1, 9, 0).seconds);
    auto ja = ReadTimeColumn({std::string("2024/01/05 ") + kUtf8Pm + " 9:03:07", "2024/02/30 9:00:00", "13:61"});
    EXPECT_EQ(ja[0]->seconds, At(2024, 1, 5, 21, 3, 7).seconds);
    EXPECT_FALSE(ja[1]) << "no 30 February";
    EXPECT_FALSE(ja[2]);
}

TEST(CsvReader, AYearOfHalfHourlyRowsWithDamagedLines) {
    std::string file = ResultFileHeader();
    const std::int64_t firstDay = DaysFromCivil(2025, 1, 1);
    int expectedRows = 0;
    for (int slot = 0; slot < 365 * 48; ++slot) {
        int y = 0, m = 0, d = 0;
        CivilFromDays(firstDay + slot / 48, y, m, d);
        char row[200];
        if (slot % 97 == 0) {
            std::snprintf(
                row, sizeof row,
                " ,%d/%02d/%02d %d:%02d:05,Test timed out.,91Mbps,Error,Error,Error,Error,Error,Error,Error\r\n", y, m,
                d, slot % 48 / 2, slot % 2 * 30);
        } else {
            std::snprintf(row, sizeof row,
                          " ,%d/%02d/%02d %d:%02d:05,,%dMbps,93.5Mbps,41.2Mbps,12ms,1.5ms,95.25Mbps,40.5Mbps,11ms\r\n",
                          y, m, d, slot % 48 / 2, slot % 2 * 30, 80 + slot % 20);
        }
        file += row;
        ++expectedRows;
        if (slot == 1000 || slot == 9000 || slot == 17000) file += " ,2025/03/01 1:00:00,,93\r\n";  // cut short
    }
    const History history = ReadHistory(file);
    ASSERT_EQ(history.rows.size(), static_cast<std::size_t>(expectedRows));
    EXPECT_EQ(expectedRows, 17520);
    EXPECT_EQ(history.rows.front().time.seconds, At(2025, 1, 1, 0, 0, 5).seconds);
    EXPECT_EQ(history.rows.back().time.seconds, At(2025, 12, 31, 23, 30, 5).seconds);
    ASSERT_EQ(history.unreadable.size(), 3u);
    EXPECT_EQ(history.unreadable[0].line, 2 + 1001 + 1);
    EXPECT_EQ(history.unreadable[0].reason, "4 fields where a row has 11");
}

}  // namespace
}  // namespace tidemark::report
