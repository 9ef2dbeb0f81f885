// Golden texts of the box number forms and the "###.##" listing pattern, and the lenient reading.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/lenient_number.h"
#include "core/number_text.h"

namespace fourbar {
namespace {

// One value in the three forms: number text, plain number text and the "###.##" pattern.
struct TextRow {
    double value;
    const char *number, *plain, *pattern;
};

class Texts : public testing::TestWithParam<TextRow> {};

TEST_P(Texts, Golden) {
    const TextRow& c = GetParam();
    EXPECT_EQ(numberText(c.value), c.number);
    EXPECT_EQ(plainNumberText(c.value), c.plain);
    EXPECT_EQ(patternText(c.value), c.pattern);
}

// Whole numbers and leading zeros: the execute command's golden texts.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Numbers, Texts, testing::Values(
    TextRow{-0.0,      " 0",        "0",        "."},
    TextRow{-0.001,    "-.001",     "-0.001",   "."},
    // The binary double lies just below 12.345; its 15-digit form rounds up.
    TextRow{12.345,    " 12.345",   "12.345",   "12.35"},
    TextRow{9.995,     " 9.995",    "9.995",    "10."},
    // Exactly one hundredth kept, rounded up from the digit after it.
    TextRow{0.0051,    " .0051",    "0.0051",   ".01"},
    TextRow{-0.005,    "-.005",     "-0.005",   "-.01"},
    TextRow{1.0 / 3,   " .333333333333333", "0.333333333333333", ".33"},
    TextRow{1e-5,      " 1E-05",    "1E-05",    "."},
    // Rounding to 15 digits carries into the exponent.
    TextRow{999999999999999.5, " 1E+15", "1E+15", "1000000000000000."},
    TextRow{-1.25e20,  "-1.25E+20", "-1.25E+20", "-125000000000000000000."},
    TextRow{NAN,       "",          "",         ""}));
// clang-format on

struct BoxRow {
    double value;
    const char* text;
};

// The presets' form, which designed lengths rounded to 0.001 mm share, and which reads back.
TEST(Texts, InputBoxForm) {
    for (const BoxRow& row : {BoxRow{-1, "-1"},
                              {61.503, " 61.503"},
                              {0.5, " 0.5"},
                              {-0.0, " 0"},
                              {1e20, " 100000000000000000000"},
                              {NAN, ""}}) {
        EXPECT_EQ(inputNumberText(row.value), row.text);
        EXPECT_TRUE(!std::isfinite(row.value) || readNumber(row.text) == row.value) << row.text;
    }
}

struct ReadRow {
    const char* text;
    double value;
};

// The leading number of a text, whatever follows it.
TEST(Read, Golden) {
    // clang-format off
    const ReadRow rows[] = {
        {" \t-1", -1}, {"12.5mm", 12.5}, {"+.5", 0.5}, {"5.", 5}, {"1.2.3", 1.2},
        {"2.5E+2x", 250}, {"1e+", 1}, {"1e2.5", 100},
        // No number; nor are the words and hexadecimal that library readers accept.
        {"abc", 0}, {"", 0}, {"--5", 0}, {".", 0}, {"inf", 0}, {"nan", 0}, {"0x10", 0},
        // Beyond double range: infinite, so that the analysis refuses it; below it: 0.
        {"1e400", HUGE_VAL}, {"-1e999", -HUGE_VAL}, {"1.8e308", HUGE_VAL}, {"123e-500", 0},
        // A full-width 1, and "3毫米".
        {"\xEF\xBC\x91", 0}, {"3\xE6\xAF\xAB\xE7\xB1\xB3", 3}};
    // clang-format on
    for (const ReadRow& row : rows) {
        EXPECT_EQ(readNumber(row.text), row.value) << '"' << row.text << '"';
    }
}

// Texts far longer than any buffer neither crash nor hang, and still round correctly.
TEST(Read, HugeTexts) {
    const std::string nines(1000000, '9');
    const std::string zeros(1000000, '0');
    EXPECT_EQ(readNumber(nines), HUGE_VAL);
    EXPECT_EQ(readNumber("1e" + nines), HUGE_VAL);
    EXPECT_EQ(readNumber("1e-" + nines), 0);
    EXPECT_EQ(readNumber("0." + std::string(1000000, '3')), 1.0 / 3);
    EXPECT_EQ(readNumber("0." + zeros + "15e1000001"), 1.5);
    // Above the halfway point between two doubles only in the last of a million digits.
    EXPECT_EQ(readNumber("9007199254740993." + zeros + "1"), 9007199254740994.0);
    EXPECT_EQ(readNumber(std::string{'1', '2', '\0', '3', '4'}), 12);
}

}  // namespace
}  // namespace fourbar
