#include <gtest/gtest.h>

#include <random>

#include "CreditTestSupport.h"
#include "credit/CreditCalculator.h"

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
            FigureCase{F::Edit1, "20000"}, FigureCase{F::Edit5, "8000,00"},
            FigureCase{F::SumKreditEdit, "12000,00"}, FigureCase{F::SummaF, "12000,00"},
            FigureCase{F::EzemF, "359,11"}, FigureCase{F::SummaR, "11292,93"},
            FigureCase{F::SkidkaEdit, "707,07"}, FigureCase{F::Kasko1SumEdit, "964,65"},
            FigureCase{F::Kasko2SumEdit, "1118,99"}, FigureCase{F::Kasko3SumEdit, "1118,99"},
            FigureCase{F::Kasko1NSumEdit, "964,65"}, FigureCase{F::Kasko2NSumEdit, "1446,97"},
            FigureCase{F::Kasko3NSumEdit, "1543,43"}, FigureCase{F::Edit9, "12928,04"},
            FigureCase{F::Edit10, "24130,67"}, FigureCase{F::Edit11, "928,04"})));

TEST(CreditCalculatorTest, WorkedExampleKeepsTheValuesAndCaptions) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    const CreditValues& v = calc.Values();
    EXPECT_DOUBLE_EQ(v.CarPrice, 20000);
    EXPECT_DOUBLE_EQ(v.FirstPayment, 8000);
    EXPECT_DOUBLE_EQ(v.CreditSum, 12000);
    EXPECT_NEAR(v.Discount, 707.07, 0.005);
    EXPECT_EQ(calc.Label20(), "20000,00 - 8000,00 = ");
    EXPECT_EQ(calc.Label19Hint(), "12000,00 - 11292,93 =");
    EXPECT_EQ(calc.Colour(F::Edit11), kLossesRed);
    EXPECT_EQ(calc.Colour(F::Edit1), kFieldNormal);
    EXPECT_EQ(calc.Colour(F::EzemF), kFieldComputed);
}

TEST(CreditCalculatorTest, FixedDiscountReducesTheCreditSumButNotTheShownOne) {
    CreditCalculator calc;
    OpenWith(calc, 20000, true);
    EXPECT_NEAR(calc.Values().CreditSum, 11292.93, 0.005);
    EXPECT_EQ(calc.Text(F::SumKreditEdit), "12000,00");
    EXPECT_EQ(calc.Label19Hint(), "");  // the fixed mode leaves the hint alone
}

TEST(CreditCalculatorTest, TypedFirstPaymentIsReplacedByTheOneItsRoundedShareGives) {
    CreditCalculator calc;
    OpenWith(calc, 21000, false);
    calc.Type(F::Edit5, "7777");
    calc.Edit5Exit();
    EXPECT_EQ(calc.Text(F::Edit4), "37,03");
    EXPECT_EQ(calc.Text(F::Edit5), "7776,30");
    EXPECT_EQ(calc.Text(F::SumKreditEdit), "13223,70");
    EXPECT_EQ(calc.Label20(), "21000,00 - 7776,30 = ");

    // An amount whose share reads the same as before is replaced all the same.
    calc.Type(F::Edit5, "7777,2");
    calc.Edit5Exit();
    EXPECT_EQ(calc.Text(F::Edit4), "37,03");
    EXPECT_EQ(calc.Text(F::Edit5), "7776,30");
    EXPECT_DOUBLE_EQ(calc.Values().FirstPayment, 7776.3);
}

TEST(CreditCalculatorTest, TheDecimalSeparatorFollowsTheLocale) {
    CreditCalculator calc('.');
    OpenWith(calc, 20000, false);
    EXPECT_EQ(calc.Text(F::StavkaF), "4.9");
    EXPECT_EQ(calc.Text(F::Edit7), "33.336");
    EXPECT_EQ(calc.Text(F::EzemF), "359.11");
    // The other mark is read too, and the figures are still written with the locale's.
    calc.Type(F::StavkaR, "9,5");
    EXPECT_EQ(calc.Colour(F::StavkaR), kFieldNormal);
    const std::string withComma = calc.Text(F::SummaR);
    calc.Type(F::StavkaR, "9.5");
    EXPECT_EQ(calc.Text(F::SummaR), withComma);
    EXPECT_NE(withComma.find('.'), std::string::npos);
    calc.Type(F::StavkaR, "9,5.1");
    EXPECT_EQ(calc.Colour(F::StavkaR), kFieldRed);
}

TEST(CreditCalculatorTest, CreatedWindowShowsTheDefaults) {
    CreditCalculator calc;
    EXPECT_EQ(calc.Text(F::PrKasko2Edit), "5,8");
    EXPECT_EQ(calc.Text(F::PrKasko3NEdit), "8,0");
    EXPECT_EQ(calc.Text(F::StavkaR), "9,0");
    EXPECT_EQ(calc.Text(F::Edit6), "27,847");
    EXPECT_EQ(calc.Text(F::Edit7), "33,336");
    EXPECT_DOUBLE_EQ(calc.Values().EurRate, 33.336);
    EXPECT_EQ(calc.Text(F::Edit4), "40");
    EXPECT_EQ(calc.Text(F::SrokF), "36");
    EXPECT_EQ(calc.Colour(F::Edit11), kLossesGreen);
    for (B box : {B::PosleBox, B::FixBox, B::CheckBox1, B::CheckBox2, B::CheckBox3, B::CheckBox4}) {
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
    calc.Type(F::Edit4, "50");  // changes every figure but the premium rates
    calc.Type(c.field, c.text);
    calc.Type(F::Edit4, "40");
    EXPECT_EQ(calc.Colour(c.field), c.paintsRed ? kFieldRed : kFieldNormal);
    EXPECT_NE(calc.Text(c.unchanged), before);
    EXPECT_NE(calc.Text(c.unchanged), "") << "a figure of the 50 % credit stays";
}

INSTANTIATE_TEST_SUITE_P(
    Guards, BadInputStopsTheComputation,
    ::testing::Values(
        GuardCase{"PromoRateZero", F::StavkaF, "0", true, F::EzemF},
        GuardCase{"PromoRateLetters", F::StavkaF, "abc", true, F::EzemF},
        GuardCase{"RealRateZero", F::StavkaR, "0,0", true, F::SummaR},
        GuardCase{"PremiumRateMinusOne", F::PrKasko2Edit, "-1", false, F::Kasko1SumEdit},
        GuardCase{"PremiumRateLetters", F::PrKasko3NEdit, "x", false, F::Kasko1SumEdit},
        GuardCase{"PremiumRateStopsTheSchedule", F::PrKasko1Edit, "-1", false, F::Edit9}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CreditCalculatorTest, OpeningWithPriceZeroPaintsItRedAndKeepsEveryFigure) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Open(0);
    EXPECT_EQ(calc.Text(F::Edit1), "0");
    EXPECT_EQ(calc.Colour(F::Edit1), kFieldRed);
    EXPECT_EQ(calc.Text(F::EzemF), "359,11");
    EXPECT_DOUBLE_EQ(calc.Values().CarPrice, 20000);
    calc.Open(20000);
    EXPECT_EQ(calc.Colour(F::Edit1), kFieldNormal);
}

TEST(CreditCalculatorTest, ZeroPremiumRateIsRedButUsed) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::PrKasko2Edit, "0");
    EXPECT_EQ(calc.Colour(F::PrKasko2Edit), kFieldRed);
    EXPECT_EQ(calc.Text(F::Kasko2SumEdit), " 0,00");
    EXPECT_EQ(Shown(calc, F::Edit10), "23011,68");  // 24130,67 less the 1118,99 premium
}

TEST(CreditCalculatorTest, FirstPaymentZeroOrLettersChangesNothing) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::Edit4, "0");
    EXPECT_EQ(calc.Colour(F::Edit4), kFieldRed);
    EXPECT_EQ(calc.Text(F::Edit5), "8000,00");
    calc.Type(F::Edit5, "много");
    calc.Edit5Exit();
    EXPECT_EQ(calc.Colour(F::Edit5), kFieldRed);
    EXPECT_EQ(calc.Text(F::Edit4), "0");
    EXPECT_EQ(calc.Text(F::SumKreditEdit), "12000,00");
}

TEST(CreditCalculatorTest, FixedDiscountDependsOnlyOnThePriceAndTheRates) {
    CreditCalculator calc;
    OpenWith(calc, 20000, true);
    calc.Type(F::Edit4, "60");
    EXPECT_EQ(calc.Text(F::SkidkaEdit), "707,07");
    EXPECT_EQ(calc.Text(F::SumKreditEdit), "8000,00");
    EXPECT_NEAR(calc.Values().CreditSum, 8000 - 707.07, 0.005);
    EXPECT_EQ(calc.Text(F::SummaR), "7292,93");
    EXPECT_EQ(calc.Text(F::EzemF), "231,91");
}

TEST(CreditCalculatorTest, EqualRatesWithoutFixedDiscountGiveNoDiscount) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::StavkaF, "9");
    EXPECT_EQ(calc.Text(F::SkidkaEdit), "0,00");
    EXPECT_EQ(calc.Text(F::SummaR), "12000,00");
    EXPECT_EQ(calc.Text(F::SummaF), calc.Text(F::SumKreditEdit));
}

TEST(CreditCalculatorTest, InsuredValueIsThePriceWhenPosleBoxIsClear) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Click(B::PosleBox);
    EXPECT_EQ(calc.Text(F::Kasko1SumEdit), "1000,00");
    EXPECT_EQ(calc.Text(F::Kasko3NSumEdit), "1600,00");
}

TEST(CreditCalculatorTest, TickingAYearAgainRecomputesEverythingFromThePrice) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::Edit5, "5000");  // typed, Enter not pressed
    calc.Click(B::CheckBox2);
    EXPECT_EQ(calc.Text(F::Edit5), "5000");
    EXPECT_EQ(Cell(calc, 1, 4), "");
    calc.Click(B::CheckBox2);
    EXPECT_EQ(calc.Text(F::Edit5), "8000,00");
    EXPECT_EQ(Cell(calc, 1, 4), "964,65");
}

TEST(CreditCalculatorTest, UntickingAYearDoesNotRecomputeThePremiums) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::PrKasko1Edit, "x");  // stops before the premiums
    calc.Type(F::PrKasko1Edit, "6,0");
    EXPECT_EQ(calc.Text(F::Kasko1SumEdit), "1157,58");
    calc.Type(F::PrKasko1Edit, "x");
    calc.Click(B::CheckBox3);
    EXPECT_EQ(calc.Text(F::Kasko1SumEdit), "1157,58");
    EXPECT_EQ(Cell(calc, 13, 4), "");
}

TEST(CreditCalculatorTest, ComputedFieldsCannotBeTypedInto) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    EXPECT_FALSE(calc.Type(F::EzemF, "1"));
    EXPECT_FALSE(calc.Type(F::SrokF, "12"));
    EXPECT_EQ(calc.Text(F::EzemF), "359,11");
    EXPECT_EQ(calc.Text(F::SrokF), "36");
}

TEST(CreditCalculatorTest, FirstPaymentTypedBeforeAnyPriceWaitsForOne) {
    CreditCalculator calc;
    calc.Type(F::Edit5, "5000");
    calc.Edit5Exit();
    EXPECT_EQ(calc.Text(F::Edit4), "40");
    EXPECT_EQ(calc.Colour(F::Edit5), kFieldNormal);
    EXPECT_EQ(calc.Text(F::Edit5), "5000");
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
    calc.Type(F::Edit6, "30");
    calc.Type(F::Edit7, "40");
    calc.Type(c.typedInto, c.typed);
    calc.KeyUp(c.typedInto);
    EXPECT_EQ(calc.Text(F::Nd), c.dollars);
    EXPECT_EQ(calc.Text(F::Nr), c.roubles);
    EXPECT_EQ(calc.Text(F::Ne), c.euros);
}

INSTANTIATE_TEST_SUITE_P(Converter, ConverterShowsTheAmountInAllCurrencies,
                         ::testing::Values(ConvertCase{F::Nd, "100", "100", "3000,00", "75,00"},
                                           ConvertCase{F::Nr, "600", "20,00", "600", "15,00"},
                                           ConvertCase{F::Ne, "3", "4,00", "120,00", "3"},
                                           ConvertCase{F::Nd, "x", "x", "0,00", "0,00"}));

TEST(ConverterTest, ZeroRateLeavesTheFieldsItWouldDivideBy) {
    CreditCalculator calc;
    calc.Type(F::Edit6, "0");
    EXPECT_EQ(calc.Colour(F::Edit6), kFieldRed);
    calc.Type(F::Nr, "100");
    calc.KeyUp(F::Nr);
    EXPECT_EQ(calc.Text(F::Nd), "0");
    EXPECT_EQ(calc.Text(F::Ne), "3,00");
    calc.Type(F::Edit7, "abc");
    calc.Type(F::Nd, "5");
    calc.KeyUp(F::Nd);
    EXPECT_EQ(calc.Text(F::Nr), "0,00");
    EXPECT_EQ(calc.Text(F::Ne), "3,00");
}

TEST(ConverterTest, RatesChangeNothingUntilAKeyIsReleased) {
    CreditCalculator calc;
    calc.Type(F::Nd, "10");
    calc.KeyUp(F::Nd);
    EXPECT_EQ(calc.Text(F::Nr), "278,47");
    calc.Type(F::Edit6, "30");
    EXPECT_EQ(calc.Text(F::Nr), "278,47");
    calc.KeyUp(F::Nd);
    EXPECT_EQ(calc.Text(F::Nr), "300,00");
}

TEST(ConverterTest, DroppingAFigureOnTheDollarFieldConvertsIt) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::Edit6, "30");
    calc.Type(F::Edit7, "40");
    EXPECT_TRUE(calc.DropOnNd(F::EzemF));
    EXPECT_EQ(calc.Text(F::Nd), "359,11");
    EXPECT_EQ(calc.Text(F::Nr), "10773,30");
    EXPECT_FALSE(calc.DropOnNd(F::StavkaF));
    EXPECT_EQ(calc.Text(F::Nd), "359,11");
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
    const std::vector<CreditField> typeable = {F::Edit1,
                                               F::Edit4,
                                               F::Edit5,
                                               F::StavkaF,
                                               F::StavkaR,
                                               F::PrKasko1Edit,
                                               F::PrKasko2Edit,
                                               F::PrKasko3Edit,
                                               F::PrKasko1NEdit,
                                               F::PrKasko2NEdit,
                                               F::PrKasko3NEdit,
                                               F::Edit6,
                                               F::Edit7,
                                               F::Nd,
                                               F::Nr,
                                               F::Ne,
                                               F::SpustEdit,
                                               F::Edit8};
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        const int parts = 1 + static_cast<int>(random() % 3);
        for (int p = 0; p < parts; ++p) text += pieces[random() % pieces.size()];
        const CreditField field = typeable[random() % typeable.size()];
        calc.Type(field, text);
        if (field == F::Edit5) calc.Edit5Exit();
        if (IsConverterField(field)) calc.KeyUp(field);
        if (random() % 8 == 0) calc.Click(static_cast<CreditBox>(random() % kCreditBoxCount));
        if (random() % 16 == 0)
            calc.DropOnNd(static_cast<CreditField>(random() % kCreditFieldCount));
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

}  // namespace
}  // namespace kalvora
