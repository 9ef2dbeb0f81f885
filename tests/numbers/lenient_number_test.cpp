// Golden values of the lenient reading of input-box texts, including hostile lengths.
#include "core/lenient_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace fourbar {
namespace {

struct ReadCase {
    const char* text;
    double value;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << '"' << c.text << "\" -> " << c.value;
}

class ReadNumberTest : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadNumberTest, ReadsTheNumberTheTextBeginsWith) {
    const double value = readNumber(GetParam().text);
    EXPECT_EQ(value, GetParam().value);
    EXPECT_FALSE(std::signbit(value) && value == 0.0) << "negative zero";
}

INSTANTIATE_TEST_SUITE_P(
    Golden, ReadNumberTest,
    testing::Values(
        ReadCase{"150", 150}, ReadCase{" -1", -1}, ReadCase{"12.5mm", 12.5}, ReadCase{"abc", 0},
        ReadCase{"", 0}, ReadCase{"   ", 0}, ReadCase{"--5", 0}, ReadCase{"+-5", 0},
        ReadCase{"  .e3", 0}, ReadCase{".", 0}, ReadCase{"-", 0}, ReadCase{"+.5", 0.5},
        ReadCase{"5.", 5}, ReadCase{"-.25", -0.25}, ReadCase{"\t \t42", 42}, ReadCase{"\n42", 0},
        ReadCase{"1.2.3", 1.2}, ReadCase{"1 2", 1}, ReadCase{"1,5", 1}, ReadCase{"-1e308", -1e308},
        ReadCase{"2.5E+2x", 250}, ReadCase{"2.5e-2", 0.025}, ReadCase{"1e", 1}, ReadCase{"1e+", 1},
        ReadCase{"1E-z", 1}, ReadCase{"7e 2", 7}, ReadCase{"1e2.5", 100}, ReadCase{"1e-999", 0},
        ReadCase{"1e999", 0}, ReadCase{"-1e999", 0}, ReadCase{"1.8e308", 0},
        ReadCase{"1.7976931348623157e308", 1.7976931348623157e308}, ReadCase{"4.9e-324", 4.9e-324},
        ReadCase{"-0", 0}, ReadCase{"-0.0e5", 0}, ReadCase{"inf", 0}, ReadCase{"-infinity", 0},
        ReadCase{"nan", 0}, ReadCase{"NaN", 0}, ReadCase{"0x10", 0}, ReadCase{"&H10", 0},
        ReadCase{"0.1", 0.1}, ReadCase{"00012.50", 12.5},
        ReadCase{"\xEF\xBC\x91", 0},               // full-width digit one
        ReadCase{"3\xE6\xAF\xAB\xE7\xB1\xB3", 3},  // 3 followed by Chinese text
        ReadCase{"\xC2\xA0"
                 "5",
                 0}));  // no-break space is no blank

TEST(ReadNumberTest, StopsAtEmbeddedNul) {
    EXPECT_EQ(readNumber(std::string_view("12\0"
                                          "34",
                                          5)),
              12);
}

TEST(ReadNumberTest, ReadsOnlyTheViewNotBeyond) {
    const std::string text = "1234";
    EXPECT_EQ(readNumber(std::string_view(text).substr(0, 2)), 12);
}

// A long text: head, then `count` copies of `fill`, then tail; built only when its test runs.
struct LongCase {
    const char* name;
    const char* head;
    char fill;
    std::size_t count;
    const char* tail;
    double value;
};

void PrintTo(const LongCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadLongNumberTest : public testing::TestWithParam<LongCase> {};

// Texts far longer than any buffer: they must neither crash nor hang, and round correctly.
TEST_P(ReadLongNumberTest, HandlesHugeTexts) {
    const LongCase& c = GetParam();
    const std::string text = c.head + std::string(c.count, c.fill) + c.tail;
    EXPECT_EQ(readNumber(text), c.value);
}

constexpr std::size_t kMillion = 1000000;

INSTANTIATE_TEST_SUITE_P(
    Golden, ReadLongNumberTest,
    testing::Values(
        LongCase{"MillionDigitsOverflow", "", '9', kMillion, "", 0},
        LongCase{"MillionDigitFraction", "0.", '3', kMillion, "", 1.0 / 3},
        LongCase{"LeadingZerosThenExponent", "0.", '0', kMillion, "15e1000001", 1.5},
        LongCase{"HugePositiveExponent", "1e", '9', 100000, "", 0},
        LongCase{"HugeNegativeExponent", "1e-", '9', 100000, "", 0},
        LongCase{"ExponentWithLeadingZeros", "2.5e", '0', 100000, "2", 250},
        // Above the halfway point between two doubles only in the last of a million digits.
        LongCase{"StickyDigitFarAway", "9007199254740993.", '0', kMillion, "1", 9007199254740994.0},
        LongCase{"HalfwayTiesToEven", "9007199254740993", '0', 0, "", 9007199254740992.0}));

}  // namespace
}  // namespace fourbar
