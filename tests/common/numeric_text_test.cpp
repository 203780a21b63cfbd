#include "common/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tidemark {
namespace {

class SeparatorLocale : public Locale {
public:
    SeparatorLocale(std::string decimal, std::string group) : decimal_(std::move(decimal)), group_(std::move(group)) {}
    std::string DecimalSeparator() override { return decimal_; }
    std::string GroupSeparator() override { return group_; }
    std::string FormatGeneralDate(const LocalDateTime&) override { return {}; }

private:
    std::string decimal_;
    std::string group_;
};

TEST(IsNumericText, AcceptsWhatConvertsUnderTheLocale) {
    SeparatorLocale japanese(".", ",");
    for (const char* text : {"0", "93.5", " 93.5 ", "\t-7", "+7", "1,234.5", "1,2,3", ".5", "5.", "1e1", "1E+3",
                             "2.5e-3", "0001", "1e-400"})
        EXPECT_TRUE(IsNumericText(japanese, text)) << text;
    for (const char* text : {"", " ", ".", "-", "+-1", "1.2.3", "1e", "1e+", "e5", ",5", "1.2,3", "93.5Mbps", "Error",
                             "----", "1 000", "0x10", "1e400", "-1e400", "５"})
        EXPECT_FALSE(IsNumericText(japanese, text)) << text;

    SeparatorLocale german(",", ".");
    EXPECT_TRUE(IsNumericText(german, "1.234,5"));
    EXPECT_TRUE(IsNumericText(german, "3,5"));
    EXPECT_FALSE(IsNumericText(german, "3,5,1"));
    // A group separator of more than one byte: U+202F, as French writes it.
    SeparatorLocale french(",", "\u202F");
    EXPECT_TRUE(IsNumericText(french, "1\u202F234,5"));
    EXPECT_FALSE(IsNumericText(french, "1\xE2\x80"));
}

TEST(LeadingNumber, StopsWhereTheNumberCannotGoOn) {
    EXPECT_DOUBLE_EQ(LeadingNumber("3"), 3.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("  2.9 minutes"), 2.9);
    EXPECT_DOUBLE_EQ(LeadingNumber("-5"), -5.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e1"), 10.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e"), 1.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("4e-x"), 4.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("12.5.7"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("1,440"), 1.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1,440", ".", ","), 1440.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("3,5", ",", "."), 3.5);
    EXPECT_DOUBLE_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(LeadingNumber("1e-400"), 0.0);
    EXPECT_TRUE(std::isinf(LeadingNumber("1e400")));
    EXPECT_TRUE(std::isinf(LeadingNumber("-9e999999999999999999999")));
}

}  // namespace
}  // namespace tidemark
