#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "engine/credit/CreditNumber.h"
#include "engine/credit/DeskCalculator.h"

namespace kalvora {
namespace {

struct FormatCase {
    double value;
    int width;
    int decimals;
    char separator;
    const char* shown;
    friend std::ostream& operator<<(std::ostream& os, const FormatCase& c) {
        return os << c.value << " %" << c.width << '.' << c.decimals << "f -> '" << c.shown << "'";
    }
};

class LastShownDecimalRoundsHalfAwayFromZero : public ::testing::TestWithParam<FormatCase> {};

TEST_P(LastShownDecimalRoundsHalfAwayFromZero, AsTheUserReadsTheNumber) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.width, c.decimals, c.separator), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, LastShownDecimalRoundsHalfAwayFromZero,
    ::testing::Values(
        // Exact binary halves, where printf would round to even.
        FormatCase{2.125, 5, 2, ',', " 2,13"}, FormatCase{0.125, 1, 2, ',', "0,13"},
        FormatCase{-2.125, 5, 2, ',', "-2,13"}, FormatCase{2.5, 1, 0, ',', "3"},
        // Decimal halves that are a little less in binary still round up.
        FormatCase{2.675, 4, 2, ',', "2,68"}, FormatCase{1.005, 4, 2, ',', "1,01"},
        FormatCase{1.015, 4, 2, '.', "1.02"}, FormatCase{4001.0 * 100 / 20000, 2, 2, ',', "20,01"},
        FormatCase{0.045, 1, 1, ',', "0,0"}, FormatCase{0.05, 1, 1, ',', "0,1"},
        // Below a half stays, carries ripple through nines.
        FormatCase{2.124999, 5, 2, ',', " 2,12"}, FormatCase{9.995, 4, 2, ',', "10,00"},
        FormatCase{999.999, 4, 2, ',', "1000,00"}, FormatCase{-9.995, 4, 2, ',', "-10,00"},
        // Widths pad on the left only; decimals are always all shown.
        FormatCase{0, 5, 2, ',', " 0,00"}, FormatCase{12000, 5, 2, ',', "12000,00"},
        FormatCase{5.8, 1, 1, ',', "5,8"}, FormatCase{33.3356, 2, 3, ',', "33,336"},
        FormatCase{27.847, 2, 3, '.', "27.847"}, FormatCase{3, 2, 2, ',', "3,00"},
        // Amounts that round to zero show no minus sign (a debt of -0.000000001 is paid off).
        FormatCase{-1e-9, 5, 2, ',', " 0,00"}, FormatCase{-0.0, 5, 2, ',', " 0,00"},
        FormatCase{-0.004, 5, 2, ',', " 0,00"}, FormatCase{-0.005, 5, 2, ',', "-0,01"},
        // Very large and very small magnitudes are written out in full.
        FormatCase{1e20, 1, 2, ',', "100000000000000000000,00"},
        FormatCase{1.5e-300, 1, 2, ',', "0,00"},
        FormatCase{123456789.125, 1, 2, ',', "123456789,13"}));

TEST(FormatFixedTest, NumbersThatAreNotFiniteGiveNoText) {
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::infinity(), 5, 2, ','), "");
    EXPECT_EQ(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 5, 2, ','), "");
}

// A figure kept to the cent is the number its text shows: rounding and formatting agree for
// every magnitude, and a whole number of dollars is written as its digits.
TEST(RoundAsShownTest, GivesTheNumberTheTextShows) {
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> exponent(-8, 40);
    std::uniform_int_distribution<std::int32_t> whole(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::uniform_real_distribution<double>(-10, 10)(random) *
                             std::pow(10.0, exponent(random));
        const int decimals = i % 4;
        const double rounded = RoundAsShown(value, decimals);
        EXPECT_EQ(rounded, ParseDecimal(FormatFixed(value, 5, decimals, ','), ',').value_or(-1))
            << value;
        EXPECT_FALSE(rounded == 0 && std::signbit(rounded)) << value;
        const std::int32_t dollars = whole(random);
        EXPECT_EQ(FormatFixed(dollars, 0, 0, ','), std::to_string(dollars));
    }
}

struct ParseCase {
    const char* text;
    char separator;
    bool isNumber;
    double value;
    friend std::ostream& operator<<(std::ostream& os, const ParseCase& c) {
        return os << "'" << c.text << "' with '" << c.separator << "'";
    }
};

class NumbersAreReadWithEitherSeparator : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumbersAreReadWithEitherSeparator, OrAreNotNumbers) {
    const ParseCase& c = GetParam();
    const auto value = ParseDecimal(c.text, c.separator);
    ASSERT_EQ(value.has_value(), c.isNumber);
    if (c.isNumber) {
        EXPECT_DOUBLE_EQ(*value, c.value);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumbersAreReadWithEitherSeparator,
    ::testing::Values(ParseCase{"12000,00", ',', true, 12000}, ParseCase{" 0,00", ',', true, 0},
                      ParseCase{"4,9", ',', true, 4.9}, ParseCase{"4.9", '.', true, 4.9},
                      ParseCase{"4.9", ',', true, 4.9}, ParseCase{"4,9", '.', true, 4.9},
                      ParseCase{"1.2,3", ',', false, 0}, ParseCase{"1.5E3", ',', true, 1500},
                      ParseCase{"-1", ',', true, -1}, ParseCase{"+7 ", ',', true, 7},
                      ParseCase{",5", ',', true, 0.5}, ParseCase{"5,", ',', true, 5},
                      ParseCase{"1,5E3", ',', true, 1500}, ParseCase{"2e-2", ',', true, 0.02},
                      ParseCase{"", ',', false, 0}, ParseCase{"   ", ',', false, 0},
                      ParseCase{",", ',', false, 0}, ParseCase{"-", ',', false, 0},
                      ParseCase{"1e", ',', false, 0}, ParseCase{"abc", ',', false, 0},
                      ParseCase{"12 000", ',', false, 0}, ParseCase{"1,2,3", ',', false, 0},
                      ParseCase{"0x10", ',', false, 0}, ParseCase{"inf", ',', false, 0},
                      ParseCase{"nan", ',', false, 0}, ParseCase{"1e999", ',', false, 0},
                      ParseCase{"7\t", ',', false, 0}));

struct DeskCase {
    const char* keys;
    const char* display;
};

class DeskCalculatorWorksLikeAPocketOne : public ::testing::TestWithParam<DeskCase> {};

TEST_P(DeskCalculatorWorksLikeAPocketOne, ShowingTheRightDisplay) {
    DeskCalculator calculator(',');
    for (const char* k = GetParam().keys; *k != '\0'; ++k) calculator.Press(*k);
    EXPECT_EQ(calculator.Display(), GetParam().display) << GetParam().keys;
}

INSTANTIATE_TEST_SUITE_P(Keys, DeskCalculatorWorksLikeAPocketOne,
                         ::testing::Values(DeskCase{"", "0"}, DeskCase{"12+30=", "42"},
                                           DeskCase{"2+3*4=", "20"}, DeskCase{"1,5*2=", "3"},
                                           DeskCase{"10/4=", "2,5"}, DeskCase{"5/0=", "Ошибка"},
                                           DeskCase{"5/0=7", "7"}, DeskCase{"5/0=+", "Ошибка"},
                                           DeskCase{"123<", "12"}, DeskCase{"9C", "0"},
                                           DeskCase{"3-5=", "-2"}, DeskCase{"2+-3=", "-1"},
                                           DeskCase{",,5", "0,5"}, DeskCase{"0,1+0,2=", "0,3"}));

}  // namespace
}  // namespace kalvora
