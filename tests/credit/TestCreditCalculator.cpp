#include <gtest/gtest.h>

#include <random>

#include "CreditTestSupport.h"
#include "engine/credit/CreditCalculator.h"
#include "engine/credit/CreditDump.h"
#include "engine/credit/CreditNumber.h"
#include "credit/RandomCreditSession.h"

namespace kalvora {
namespace {

using namespace kalvora::testing;

// --- The worked example: 20000 dollars, 40 %, 4,9 % and 9,0 %, 36 months --------------------

struct FigureCase {
    CreditField field;
    const char* shown;
};

class WorkedExampleShowsTheFigures : public ::testing::TestWithParam<std::tuple<bool, FigureCase>> {
};

TEST_P(WorkedExampleShowsTheFigures, InBothDiscountModes) {
    const auto& [fixed, figure] = GetParam();
    CreditCalculator calc;
    OpenWith(calc, 20000, fixed);
    EXPECT_EQ(Shown(calc, figure.field), figure.shown) << CreditFieldName(figure.field);
}

INSTANTIATE_TEST_SUITE_P(
    Figures, WorkedExampleShowsTheFigures,
    ::testing::Combine(
        ::testing::Bool(),
        ::testing::Values(
            FigureCase{F::Price, "20000"}, FigureCase{F::FirstPayment, "8000,00"},
            FigureCase{F::CreditSum, "12000,00"}, FigureCase{F::PromoLoan, "12000,00"},
            FigureCase{F::MonthlyPayment, "359,11"}, FigureCase{F::RealLoan, "11292,93"},
            FigureCase{F::Discount, "707,07"}, FigureCase{F::KaskoCredit1, "964,65"},
            FigureCase{F::KaskoCredit2, "1118,99"}, FigureCase{F::KaskoCredit3, "1118,99"},
            FigureCase{F::KaskoPlain1, "964,65"}, FigureCase{F::KaskoPlain2, "1446,97"},
            FigureCase{F::KaskoPlain3, "1543,43"}, FigureCase{F::BankTotal, "12928,04"},
            FigureCase{F::PaidTotal, "24130,67"}, FigureCase{F::Losses, "928,04"})));

TEST(CreditCalculatorTest, WorkedExampleKeepsTheValuesAndCaptions) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    const CreditValues& v = calc.Values();
    EXPECT_DOUBLE_EQ(v.CarPrice, 20000);
    EXPECT_DOUBLE_EQ(v.FirstPayment, 8000);
    EXPECT_DOUBLE_EQ(v.CreditSum, 12000);
    EXPECT_NEAR(v.Discount, 707.07, 0.005);
    EXPECT_EQ(calc.CreditSumFormula(), "20000,00 - 8000,00 = ");
    EXPECT_EQ(calc.DiscountFormula(), "12000,00 - 11292,93 =");
    EXPECT_EQ(calc.Colour(F::Losses), kLossesRed);
    EXPECT_EQ(calc.Colour(F::Price), kFieldNormal);
    EXPECT_EQ(calc.Colour(F::MonthlyPayment), kFieldComputed);
}

TEST(CreditCalculatorTest, FixedDiscountReducesTheCreditSumButNotTheShownOne) {
    CreditCalculator calc;
    OpenWith(calc, 20000, true);
    EXPECT_NEAR(calc.Values().CreditSum, 11292.93, 0.005);
    EXPECT_EQ(calc.Text(F::CreditSum), "12000,00");
    EXPECT_EQ(calc.DiscountFormula(), "");  // the fixed mode leaves the hint alone
}

TEST(CreditCalculatorTest, TypedFirstPaymentIsReplacedByTheOneItsRoundedShareGives) {
    CreditCalculator calc;
    OpenWith(calc, 21000, false);
    calc.Type(F::FirstPayment, "7777");
    calc.AcceptFirstPayment();
    EXPECT_EQ(calc.Text(F::FirstPercent), "37,03");
    EXPECT_EQ(calc.Text(F::FirstPayment), "7776,30");
    EXPECT_EQ(calc.Text(F::CreditSum), "13223,70");
    EXPECT_EQ(calc.CreditSumFormula(), "21000,00 - 7776,30 = ");

    // An amount whose share reads the same as before is replaced all the same.
    calc.Type(F::FirstPayment, "7777,2");
    calc.AcceptFirstPayment();
    EXPECT_EQ(calc.Text(F::FirstPercent), "37,03");
    EXPECT_EQ(calc.Text(F::FirstPayment), "7776,30");
    EXPECT_DOUBLE_EQ(calc.Values().FirstPayment, 7776.3);
}

TEST(CreditCalculatorTest, TheDecimalSeparatorFollowsTheLocale) {
    CreditCalculator calc('.');
    OpenWith(calc, 20000, false);
    EXPECT_EQ(calc.Text(F::RatePromo), "4.9");
    EXPECT_EQ(calc.Text(F::EurRate), "33.336");
    EXPECT_EQ(calc.Text(F::MonthlyPayment), "359.11");
    // The other mark is read too, and the figures are still written with the locale's.
    calc.Type(F::RateReal, "9,5");
    EXPECT_EQ(calc.Colour(F::RateReal), kFieldNormal);
    const std::string withComma = calc.Text(F::RealLoan);
    calc.Type(F::RateReal, "9.5");
    EXPECT_EQ(calc.Text(F::RealLoan), withComma);
    EXPECT_NE(withComma.find('.'), std::string::npos);
    calc.Type(F::RateReal, "9,5.1");
    EXPECT_EQ(calc.Colour(F::RateReal), kFieldRed);
}

TEST(CreditCalculatorTest, CreatedWindowShowsTheDefaults) {
    CreditCalculator calc;
    EXPECT_EQ(calc.Text(F::KaskoCreditRate2), "5,8");
    EXPECT_EQ(calc.Text(F::KaskoPlainRate3), "8,0");
    EXPECT_EQ(calc.Text(F::RateReal), "9,0");
    EXPECT_EQ(calc.Text(F::UsdRate), "27,847");
    EXPECT_EQ(calc.Text(F::EurRate), "33,336");
    EXPECT_DOUBLE_EQ(calc.Values().EurRate, 33.336);
    EXPECT_EQ(calc.Text(F::FirstPercent), "40");
    EXPECT_EQ(calc.Text(F::Term), "36");
    EXPECT_EQ(calc.Colour(F::Losses), kLossesGreen);
    for (B box : {B::KaskoAfterDiscount, B::FixedDiscount, B::RepayEarly, B::KaskoYear1,
                  B::KaskoYear2, B::KaskoYear3}) {
        EXPECT_TRUE(calc.Checked(box)) << CreditBoxName(box);
    }
}

// --- Guards: a bad input paints its field red and leaves every later figure ---------------

struct GuardCase {
    const char* name;
    CreditField field;
    const char* text;
    bool paintsRed;
    CreditField unchanged;  // a figure computed after the guard
    friend std::ostream& operator<<(std::ostream& os, const GuardCase& c) { return os << c.name; }
};

class BadInputStopsTheComputation : public ::testing::TestWithParam<GuardCase> {};

TEST_P(BadInputStopsTheComputation, LeavingLaterFiguresAsTheyWere) {
    const GuardCase& c = GetParam();
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    const std::string before = calc.Text(c.unchanged);
    calc.Type(F::FirstPercent, "50");  // changes every figure but the premium rates
    calc.Type(c.field, c.text);
    calc.Type(F::FirstPercent, "40");
    EXPECT_EQ(calc.Colour(c.field), c.paintsRed ? kFieldRed : kFieldNormal);
    EXPECT_NE(calc.Text(c.unchanged), before);
    EXPECT_NE(calc.Text(c.unchanged), "") << "a figure of the 50 % credit stays";
}

INSTANTIATE_TEST_SUITE_P(
    Guards, BadInputStopsTheComputation,
    ::testing::Values(
        GuardCase{"PromoRateZero", F::RatePromo, "0", true, F::MonthlyPayment},
        GuardCase{"PromoRateLetters", F::RatePromo, "abc", true, F::MonthlyPayment},
        GuardCase{"RealRateZero", F::RateReal, "0,0", true, F::RealLoan},
        GuardCase{"PremiumRateMinusOne", F::KaskoCreditRate2, "-1", false, F::KaskoCredit1},
        GuardCase{"PremiumRateLetters", F::KaskoPlainRate3, "x", false, F::KaskoCredit1},
        GuardCase{"PremiumRateStopsTheSchedule", F::KaskoCreditRate1, "-1", false, F::BankTotal}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CreditCalculatorTest, OpeningWithPriceZeroPaintsItRedAndKeepsEveryFigure) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Open(0);
    EXPECT_EQ(calc.Text(F::Price), "0");
    EXPECT_EQ(calc.Colour(F::Price), kFieldRed);
    EXPECT_EQ(calc.Text(F::MonthlyPayment), "359,11");
    EXPECT_DOUBLE_EQ(calc.Values().CarPrice, 20000);
    calc.Open(20000);
    EXPECT_EQ(calc.Colour(F::Price), kFieldNormal);
}

TEST(CreditCalculatorTest, ZeroPremiumRateIsRedButUsed) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::KaskoCreditRate2, "0");
    EXPECT_EQ(calc.Colour(F::KaskoCreditRate2), kFieldRed);
    EXPECT_EQ(calc.Text(F::KaskoCredit2), " 0,00");
    EXPECT_EQ(Shown(calc, F::PaidTotal), "23011,68");  // 24130,67 less the 1118,99 premium
}

TEST(CreditCalculatorTest, FirstPaymentZeroOrLettersChangesNothing) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::FirstPercent, "0");
    EXPECT_EQ(calc.Colour(F::FirstPercent), kFieldRed);
    EXPECT_EQ(calc.Text(F::FirstPayment), "8000,00");
    calc.Type(F::FirstPayment, "много");
    calc.AcceptFirstPayment();
    EXPECT_EQ(calc.Colour(F::FirstPayment), kFieldRed);
    EXPECT_EQ(calc.Text(F::FirstPercent), "0");
    EXPECT_EQ(calc.Text(F::CreditSum), "12000,00");
}

TEST(CreditCalculatorTest, FixedDiscountDependsOnlyOnThePriceAndTheRates) {
    CreditCalculator calc;
    OpenWith(calc, 20000, true);
    calc.Type(F::FirstPercent, "60");
    EXPECT_EQ(calc.Text(F::Discount), "707,07");
    EXPECT_EQ(calc.Text(F::CreditSum), "8000,00");
    EXPECT_NEAR(calc.Values().CreditSum, 8000 - 707.07, 0.005);
    EXPECT_EQ(calc.Text(F::RealLoan), "7292,93");
    EXPECT_EQ(calc.Text(F::MonthlyPayment), "231,91");
}

TEST(CreditCalculatorTest, EqualRatesWithoutFixedDiscountGiveNoDiscount) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::RatePromo, "9");
    EXPECT_EQ(calc.Text(F::Discount), "0,00");
    EXPECT_EQ(calc.Text(F::RealLoan), "12000,00");
    EXPECT_EQ(calc.Text(F::PromoLoan), calc.Text(F::CreditSum));
}

TEST(CreditCalculatorTest, InsuredValueIsThePriceWhenPremiumsAreNotOnTheDiscountedPrice) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Click(B::KaskoAfterDiscount);
    EXPECT_EQ(calc.Text(F::KaskoCredit1), "1000,00");
    EXPECT_EQ(calc.Text(F::KaskoPlain3), "1600,00");
}

TEST(CreditCalculatorTest, TickingAYearAgainRecomputesEverythingFromThePrice) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::FirstPayment, "5000");  // typed, Enter not pressed
    calc.Click(B::KaskoYear1);
    EXPECT_EQ(calc.Text(F::FirstPayment), "5000");
    EXPECT_EQ(Cell(calc, 1, 4), "");
    calc.Click(B::KaskoYear1);
    EXPECT_EQ(calc.Text(F::FirstPayment), "8000,00");
    EXPECT_EQ(Cell(calc, 1, 4), "964,65");
}

TEST(CreditCalculatorTest, UntickingAYearDoesNotRecomputeThePremiums) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::KaskoCreditRate1, "x");  // stops before the premiums
    calc.Type(F::KaskoCreditRate1, "6,0");
    EXPECT_EQ(calc.Text(F::KaskoCredit1), "1157,58");
    calc.Type(F::KaskoCreditRate1, "x");
    calc.Click(B::KaskoYear2);
    EXPECT_EQ(calc.Text(F::KaskoCredit1), "1157,58");
    EXPECT_EQ(Cell(calc, 13, 4), "");
}

TEST(CreditCalculatorTest, ComputedFieldsCannotBeTypedInto) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    EXPECT_FALSE(calc.Type(F::MonthlyPayment, "1"));
    EXPECT_FALSE(calc.Type(F::Term, "12"));
    EXPECT_EQ(calc.Text(F::MonthlyPayment), "359,11");
    EXPECT_EQ(calc.Text(F::Term), "36");
}

TEST(CreditCalculatorTest, FirstPaymentTypedBeforeAnyPriceWaitsForOne) {
    CreditCalculator calc;
    calc.Type(F::FirstPayment, "5000");
    calc.AcceptFirstPayment();
    EXPECT_EQ(calc.Text(F::FirstPercent), "40");
    EXPECT_EQ(calc.Colour(F::FirstPayment), kFieldNormal);
    EXPECT_EQ(calc.Text(F::FirstPayment), "5000");
}

// --- Currency converter ---------------------------------------------------------------------

struct ConvertCase {
    CreditField typedInto;
    const char* typed;
    const char* dollars;
    const char* roubles;
    const char* euros;
};

class ConverterShowsTheAmountInAllCurrencies : public ::testing::TestWithParam<ConvertCase> {};

TEST_P(ConverterShowsTheAmountInAllCurrencies, WhenAKeyIsReleased) {
    const ConvertCase& c = GetParam();
    CreditCalculator calc;
    calc.Type(F::UsdRate, "30");
    calc.Type(F::EurRate, "40");
    calc.Type(c.typedInto, c.typed);
    calc.KeyUp(c.typedInto);
    EXPECT_EQ(calc.Text(F::Dollars), c.dollars);
    EXPECT_EQ(calc.Text(F::Roubles), c.roubles);
    EXPECT_EQ(calc.Text(F::Euros), c.euros);
}

INSTANTIATE_TEST_SUITE_P(Converter, ConverterShowsTheAmountInAllCurrencies,
                         ::testing::Values(ConvertCase{F::Dollars, "100", "100", "3000,00",
                                                       "75,00"},
                                           ConvertCase{F::Roubles, "600", "20,00", "600", "15,00"},
                                           ConvertCase{F::Euros, "3", "4,00", "120,00", "3"},
                                           ConvertCase{F::Dollars, "x", "x", "0,00", "0,00"}));

TEST(ConverterTest, ZeroRateLeavesTheFieldsItWouldDivideBy) {
    CreditCalculator calc;
    calc.Type(F::UsdRate, "0");
    EXPECT_EQ(calc.Colour(F::UsdRate), kFieldRed);
    calc.Type(F::Roubles, "100");
    calc.KeyUp(F::Roubles);
    EXPECT_EQ(calc.Text(F::Dollars), "0");
    EXPECT_EQ(calc.Text(F::Euros), "3,00");
    calc.Type(F::EurRate, "abc");
    calc.Type(F::Dollars, "5");
    calc.KeyUp(F::Dollars);
    EXPECT_EQ(calc.Text(F::Roubles), "0,00");
    EXPECT_EQ(calc.Text(F::Euros), "3,00");
}

TEST(ConverterTest, RatesChangeNothingUntilAKeyIsReleased) {
    CreditCalculator calc;
    calc.Type(F::Dollars, "10");
    calc.KeyUp(F::Dollars);
    EXPECT_EQ(calc.Text(F::Roubles), "278,47");
    calc.Type(F::UsdRate, "30");
    EXPECT_EQ(calc.Text(F::Roubles), "278,47");
    calc.KeyUp(F::Dollars);
    EXPECT_EQ(calc.Text(F::Roubles), "300,00");
}

TEST(ConverterTest, DroppingAFigureOnTheDollarFieldConvertsIt) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::UsdRate, "30");
    calc.Type(F::EurRate, "40");
    EXPECT_TRUE(calc.DropOnDollars(F::MonthlyPayment));
    EXPECT_EQ(calc.Text(F::Dollars), "359,11");
    EXPECT_EQ(calc.Text(F::Roubles), "10773,30");
    EXPECT_FALSE(calc.DropOnDollars(F::RatePromo));
    EXPECT_EQ(calc.Text(F::Dollars), "359,11");
}

// --- No input can crash the calculator or make it show a figure that is not a number --------

bool ShowsGarbage(const std::string& text) {
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos ||
           text.find("INF") != std::string::npos || text.find("NAN") != std::string::npos;
}

TEST(CreditFuzzTest, RandomTextsInRandomFieldsNeverShowInfinityOrNan) {
    const std::vector<std::string> pieces = {
        "0",   "1",   "-1",    "36",   "1200", "1201", "99999999999", "1e308", "-1e308", "1e-300",
        ",",   "5",   "9,0",   "-",    "e",    "x",    "Ж",           " ",     "1e30",   "-100",
        "100", "-12", "0,001", "2e19", "12",   "24",   "-2",          "-0",    "1E5",    "9"};
    std::mt19937 random(20261207);
    CreditCalculator calc;
    calc.Open(20000);
    const std::vector<CreditField> typeable = {
        F::Price,           F::FirstPercent,     F::FirstPayment,     F::RatePromo,
        F::RateReal,        F::KaskoCreditRate1, F::KaskoCreditRate2, F::KaskoCreditRate3,
        F::KaskoPlainRate1, F::KaskoPlainRate2,  F::KaskoPlainRate3,  F::UsdRate,
        F::EurRate,         F::Dollars,          F::Roubles,          F::Euros,
        F::RepayAfter,      F::RepayBy};
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        const int parts = 1 + static_cast<int>(random() % 3);
        for (int p = 0; p < parts; ++p) text += pieces[random() % pieces.size()];
        const CreditField field = typeable[random() % typeable.size()];
        calc.Type(field, text);
        if (field == F::FirstPayment) calc.AcceptFirstPayment();
        if (IsConverterField(field)) calc.KeyUp(field);
        if (random() % 8 == 0) calc.Click(static_cast<CreditBox>(random() % kCreditBoxCount));
        if (random() % 16 == 0)
            calc.DropOnDollars(static_cast<CreditField>(random() % kCreditFieldCount));
        for (int i = 0; i < kCreditFieldCount; ++i) {
            const auto f = static_cast<CreditField>(i);
            ASSERT_FALSE(ShowsGarbage(calc.Text(f)))
                << CreditFieldName(f) << " after '" << text << "' in " << CreditFieldName(field);
        }
        ASSERT_LE(calc.Grid().size(), static_cast<std::size_t>(kMaxScheduleMonths) + 1);
        for (const ScheduleRow& row : calc.Grid()) {
            for (const std::string& cell : row) ASSERT_FALSE(ShowsGarbage(cell)) << text;
        }
    }
}

// The calculator holds its figures as numbers and writes them out only to show them; whatever
// happened, a field must read as the number its text shows under the separator in use, and
// taking the first payment as shown must do what typing that text would.
TEST(CreditFiguresTest, EveryFieldReadsAsTheNumberItsTextShows) {
    for (unsigned seed = 1; seed <= 60; ++seed) {
        CreditSessionMaker maker(seed);
        CreditCalculator calc;
        calc.Open(10000 + maker.Below(30000));
        for (int step = 0; step < 40; ++step) {
            const int roll = maker.Below(10);
            const std::string name = maker.Pick(kTypedCreditFields);
            const CreditField field = *CreditFieldByName(name);
            if (roll < 5) {
                calc.Type(field, maker.FieldText(name));
                if (field == F::FirstPayment) calc.AcceptFirstPayment();
                calc.KeyUp(field);
            } else if (roll < 7) {
                calc.Click(static_cast<CreditBox>(maker.Below(kCreditBoxCount)));
            } else if (roll < 8) {
                calc.SetDecimalSeparator(maker.Pick(kSeparators));
            } else if (roll < 9) {
                calc.DropOnDollars(static_cast<CreditField>(maker.Below(kCreditFieldCount)));
            } else {
                CreditCalculator typed = calc;
                const std::string shown = calc.Text(F::FirstPayment);
                typed.Type(F::FirstPayment, shown + "0");
                typed.Type(F::FirstPayment, shown);
                typed.AcceptFirstPayment();
                calc.AcceptFirstPayment();
                ASSERT_EQ(CreditDump(calc), CreditDump(typed)) << "seed " << seed;
            }
            for (int i = 0; i < kCreditFieldCount; ++i) {
                const auto f = static_cast<CreditField>(i);
                const auto read = ParseDecimal(calc.Text(f), calc.DecimalSeparator());
                ASSERT_EQ(calc.Number(f), read)
                    << CreditFieldName(f) << " '" << calc.Text(f) << "', seed " << seed;
            }
        }
    }
}

}  // namespace
}  // namespace kalvora
