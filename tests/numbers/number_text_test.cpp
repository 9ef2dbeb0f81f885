// Golden texts of the box number forms, the "###.##" listing pattern and the plain crank angle.
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace fourbar {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct TextCase {
    double value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << std::to_string(c.value) << " -> \"" << c.text << '"';
}

class NumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, WritesGeneralFormWithBlankForNonNegative) {
    EXPECT_EQ(numberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Golden, NumberTextTest,
    testing::Values(TextCase{360, " 360"}, TextCase{0, " 0"}, TextCase{-0.0, " 0"},
                    TextCase{0.5, " .5"}, TextCase{-0.5, "-.5"}, TextCase{-40, "-40"},
                    TextCase{1e16, " 1E+16"}, TextCase{1e15, " 1E+15"}, TextCase{1e-5, " 1E-05"},
                    TextCase{1e-4, " .0001"}, TextCase{1.5e-7, " 1.5E-07"},
                    TextCase{-1.25e20, "-1.25E+20"}, TextCase{1e-300, " 1E-300"},
                    TextCase{1.7976931348623157e308, " 1.79769313486232E+308"},
                    TextCase{0.1 + 0.2, " .3"}, TextCase{1.0 / 3, " .333333333333333"},
                    TextCase{-2.0 / 3, "-.666666666666667"},
                    TextCase{123456789012345.0, " 123456789012345"},
                    TextCase{1234567890123456.0, " 1.23456789012346E+15"},
                    TextCase{999999999999999.5, " 1E+15"},  // rounding carries into the exponent
                    TextCase{0.000123456789, " .000123456789"}, TextCase{12.25, " 12.25"},
                    TextCase{kNaN, ""}, TextCase{kInf, ""}, TextCase{-kInf, ""}));

class PlainNumberTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(PlainNumberTextTest, WritesGeneralFormWithZeroBeforePoint) {
    EXPECT_EQ(plainNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Golden, PlainNumberTextTest,
                         testing::Values(TextCase{0.5, "0.5"}, TextCase{-0.5, "-0.5"},
                                         TextCase{0, "0"}, TextCase{-0.0, "0"},
                                         TextCase{360, "360"}, TextCase{1e16, "1E+16"},
                                         TextCase{-1e-5, "-1E-05"}, TextCase{0.0001, "0.0001"},
                                         TextCase{280.512345678901234, "280.512345678901"},
                                         TextCase{kNaN, ""}, TextCase{-kInf, ""}));

class PatternTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(PatternTextTest, RoundsDecimalFormToTwoDecimals) {
    EXPECT_EQ(patternText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Golden, PatternTextTest,
    testing::Values(TextCase{12.345, "12.35"},  // the binary double lies just below 12.345
                    TextCase{12.5, "12.5"}, TextCase{12, "12."}, TextCase{0.5, ".5"},
                    TextCase{0, "."}, TextCase{-0.0, "."}, TextCase{-3.14159, "-3.14"},
                    TextCase{1234.5, "1234.5"}, TextCase{9.995, "10."}, TextCase{99.999, "100."},
                    TextCase{-0.005, "-.01"}, TextCase{0.005, ".01"}, TextCase{0.0049, "."},
                    TextCase{0.994999999999999, ".99"}, TextCase{0.9949999999999999, "1."},
                    TextCase{-0.001, "."},  // rounds to zero: written without a sign
                    TextCase{1.005, "1.01"}, TextCase{2.675, "2.68"}, TextCase{-2.675, "-2.68"},
                    TextCase{0.1 + 0.2, ".3"}, TextCase{1e-300, "."},
                    TextCase{1e20, "100000000000000000000."},
                    TextCase{1234567890123456.0, "1234567890123460."},
                    TextCase{123456789012.345, "123456789012.35"},
                    TextCase{-171.887338539247, "-171.89"}, TextCase{kNaN, ""},
                    TextCase{kInf, ""}));

TEST(PatternTextTest, WritesLargestDoubleInFull) {
    const std::string text = patternText(std::numeric_limits<double>::max());
    EXPECT_EQ(text.size(), 310u);
    EXPECT_EQ(text.substr(0, 16), "1797693134862320");
    EXPECT_EQ(text.back(), '.');
}

class PlainCrankAngleTest : public testing::TestWithParam<TextCase> {};

TEST_P(PlainCrankAngleTest, WritesNumberTextAndOneBlank) {
    EXPECT_EQ(plainCrankAngle(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Golden, PlainCrankAngleTest,
                         testing::Values(TextCase{10, " 10 "}, TextCase{-40, "-40 "},
                                         TextCase{2.5, " 2.5 "}, TextCase{0, " 0 "},
                                         TextCase{-0.25, "-.25 "}, TextCase{350, " 350 "}));

struct SingleCase {
    float value;
    const char* text;
};

void PrintTo(const SingleCase& c, std::ostream* os) {
    *os << std::to_string(c.value) << " -> \"" << c.text << '"';
}

class SingleNumberTextTest : public testing::TestWithParam<SingleCase> {};

TEST_P(SingleNumberTextTest, WritesSevenSignificantDigits) {
    EXPECT_EQ(singleNumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Golden, SingleNumberTextTest,
                         testing::Values(SingleCase{187.7075f, " 187.7075"},
                                         SingleCase{1e7f, " 1E+07"},
                                         SingleCase{9999999.0f, " 9999999"},
                                         SingleCase{0.1f, " .1"}, SingleCase{-0.1f, "-.1"},
                                         SingleCase{1.0f / 3, " .3333333"}, SingleCase{0.0f, " 0"},
                                         SingleCase{-0.0f, " 0"}, SingleCase{1e-5f, " 1E-05"},
                                         SingleCase{3.4028235e38f, " 3.402823E+38"},
                                         SingleCase{std::numeric_limits<float>::quiet_NaN(), ""},
                                         SingleCase{-std::numeric_limits<float>::infinity(), ""}));

}  // namespace
}  // namespace fourbar
