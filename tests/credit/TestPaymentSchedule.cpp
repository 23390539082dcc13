#include <gtest/gtest.h>

#include "CreditTestSupport.h"
#include "engine/credit/CreditCalculator.h"

namespace kalvora {
namespace {

using namespace kalvora::testing;

class ScheduleTest : public ::testing::Test {
  protected:
    void SetUp() override { OpenWith(calc, 20000, false); }
    int Rows() const { return static_cast<int>(calc.Grid().size()); }
    CreditCalculator calc;
};

TEST_F(ScheduleTest, WorkedExamplePaysTheSameEveryMonthAndClearsTheDebtInMonth36) {
    ASSERT_EQ(Rows(), 38);
    EXPECT_EQ(calc.Grid()[0][0], "Месяц");
    EXPECT_EQ(calc.Grid()[0][5], "Выплачено");
    EXPECT_EQ(Cell(calc, 1, 0), "1");
    EXPECT_EQ(Cell(calc, 1, 1), "359,11");
    EXPECT_EQ(Cell(calc, 1, 2), "84,70");
    EXPECT_EQ(Cell(calc, 1, 3), "11018,52");
    EXPECT_EQ(Cell(calc, 1, 4), "964,65");
    EXPECT_EQ(Cell(calc, 1, 5), "9323,76");
    for (int m = 2; m <= 36; ++m) EXPECT_EQ(Cell(calc, m, 1), "359,11") << m;
    EXPECT_EQ(calc.Grid()[36][3], " 0,00");
    EXPECT_EQ(Cell(calc, 13, 4), "1118,99");
    EXPECT_EQ(Cell(calc, 25, 4), "1118,99");
    EXPECT_EQ(Cell(calc, 36, 5), "24130,67");
    const ScheduleRow lastRow = {"37", "", "", "", "", ""};
    EXPECT_EQ(calc.Grid()[37], lastRow);
    EXPECT_EQ(calc.Text(F::BankTotal), "12928,04");
    EXPECT_EQ(calc.Text(F::PaidTotal), "24130,67");
    EXPECT_EQ(calc.Text(F::Losses), "928,04");
    EXPECT_EQ(calc.Colour(F::Losses), kLossesRed);
}

TEST_F(ScheduleTest, RepaidBy24ThePaymentsGrowAndTheTailKeepsCountingInsurance) {
    calc.Type(F::RepayBy, "24");
    ASSERT_EQ(Rows(), 38);
    EXPECT_EQ(Cell(calc, 1, 1), "359,11");
    EXPECT_EQ(Cell(calc, 2, 1), Cell(calc, 24, 1));
    EXPECT_NE(Cell(calc, 2, 1), "359,11");
    EXPECT_EQ(Cell(calc, 24, 3), "0,00");
    EXPECT_EQ(Cell(calc, 25, 1), "");
    EXPECT_EQ(Cell(calc, 25, 3), "");
    EXPECT_EQ(Cell(calc, 25, 4), "1118,99");  // still a credit car when it is insured
    const double before = std::stod(Cell(calc, 24, 5).replace(Cell(calc, 24, 5).find(','), 1, "."));
    const double after = std::stod(Cell(calc, 25, 5).replace(Cell(calc, 25, 5).find(','), 1, "."));
    EXPECT_NEAR(after - before, 1118.99, 0.011);
    EXPECT_EQ(Cell(calc, 37, 5), Cell(calc, 25, 5));
    EXPECT_EQ(calc.Text(F::PaidTotal), calc.Grid()[37][5]);
    EXPECT_EQ(calc.Colour(F::RepayBy), kFieldNormal);
}

TEST_F(ScheduleTest, RepaidBeforeTheSecondYearTheCarIsInsuredAsAPlainOne) {
    calc.Type(F::RepayBy, "10");
    EXPECT_EQ(Cell(calc, 13, 4), "1446,97");
    EXPECT_EQ(Cell(calc, 25, 4), "1543,43");
    EXPECT_EQ(Cell(calc, 10, 3), "0,00");
    // The running total adds the premiums the column shows, the plain car's.
    const std::string paidAfterRepayment = Cell(calc, 10, 5);
    ASSERT_FALSE(paidAfterRepayment.empty());
    const double base =
        std::stod(std::string(paidAfterRepayment).replace(paidAfterRepayment.find(','), 1, "."));
    const std::string total = Cell(calc, 37, 5);
    const double end = std::stod(std::string(total).replace(total.find(','), 1, "."));
    EXPECT_NEAR(end - base, 1446.97 + 1543.43, 0.011);
}

TEST_F(ScheduleTest, RepaidBy48TheGridAndTheCreditRunLonger) {
    calc.Type(F::RepayBy, "48");
    ASSERT_EQ(Rows(), 50);
    EXPECT_EQ(Cell(calc, 49, 0), "49");
    EXPECT_EQ(Cell(calc, 48, 3), "0,00");
    EXPECT_NE(Cell(calc, 36, 3), "0,00");
    EXPECT_EQ(Cell(calc, 49, 1), "");
}

TEST_F(ScheduleTest, WithoutEarlyRepaymentThePlainScheduleRunsWhateverRepayBySays) {
    const std::string plainTotal = calc.Text(F::BankTotal);
    calc.Type(F::RepayBy, "48");
    calc.Click(B::RepayEarly);
    ASSERT_EQ(Rows(), 50);
    EXPECT_EQ(calc.Grid()[36][3], " 0,00");
    EXPECT_EQ(Cell(calc, 37, 1), "");
    EXPECT_EQ(Cell(calc, 49, 5), Cell(calc, 36, 5));
    EXPECT_EQ(calc.Text(F::BankTotal), plainTotal);
    calc.Type(F::RepayBy, "10");
    EXPECT_EQ(Cell(calc, 13, 4), "1118,99");  // repaid in month 36 after all
}

TEST_F(ScheduleTest, NoRegularMonthsMeansEveryMonthUsesTheRecomputedPayment) {
    calc.Type(F::RepayBy, "24");
    calc.Type(F::RepayAfter, "0");
    EXPECT_NE(Cell(calc, 1, 1), "359,11");
    EXPECT_EQ(Cell(calc, 1, 1), Cell(calc, 24, 1));
    EXPECT_EQ(Cell(calc, 24, 3), "0,00");
}

TEST_F(ScheduleTest, WithoutInsuranceThePaidTotalIsFirstPaymentPlusBankTotal) {
    calc.Click(B::KaskoYear1);
    calc.Click(B::KaskoYear2);
    calc.Click(B::KaskoYear3);
    for (int m = 1; m < Rows(); ++m) EXPECT_EQ(Cell(calc, m, 4), "");
    EXPECT_EQ(calc.Text(F::PaidTotal), "20928,04");
}

TEST_F(ScheduleTest, RepayAfterNotANumberStopsAfterTheInsuranceColumn) {
    calc.Type(F::RepayAfter, "abc");
    EXPECT_EQ(calc.Colour(F::RepayAfter), kFieldRed);
    EXPECT_EQ(Cell(calc, 1, 4), "964,65");
    for (int m = 1; m < Rows(); ++m) {
        EXPECT_EQ(Cell(calc, m, 0), std::to_string(m));
        EXPECT_EQ(Cell(calc, m, 1), "");
        EXPECT_EQ(Cell(calc, m, 5), "");
    }
    EXPECT_EQ(calc.Text(F::BankTotal), "12928,04");
    calc.Type(F::RepayAfter, "1");
    EXPECT_EQ(calc.Colour(F::RepayAfter), kFieldNormal);
}

TEST_F(ScheduleTest, RepayByLettersRepayTheWholeDebtInMonth2) {
    calc.Type(F::RepayBy, "скоро");
    ASSERT_EQ(Rows(), 38);
    EXPECT_EQ(calc.Colour(F::RepayBy), kFieldNormal);
    EXPECT_EQ(Cell(calc, 2, 3), "0,00");
    EXPECT_EQ(Cell(calc, 2, 1), "11101,16");
    EXPECT_EQ(Cell(calc, 3, 1), "");
}

TEST_F(ScheduleTest, RepaymentMonthNotAfterTheRegularMonthsIsRedAndTakesOneMonth) {
    calc.Type(F::RepayAfter, "5");
    calc.Type(F::RepayBy, "5");
    EXPECT_EQ(calc.Colour(F::RepayBy), kFieldRed);
    EXPECT_EQ(Cell(calc, 5, 1), "359,11");
    EXPECT_EQ(Cell(calc, 6, 3), "0,00");
    EXPECT_EQ(Cell(calc, 7, 1), "");
}

TEST_F(ScheduleTest, RealRateZeroStopsTheScheduleButKeepsTheTotals) {
    calc.Type(F::RateReal, "0");
    EXPECT_EQ(calc.Colour(F::RateReal), kFieldRed);
    calc.Type(F::RepayBy, "30");  // fills the schedule alone
    EXPECT_EQ(Cell(calc, 1, 1), "");
    EXPECT_EQ(Cell(calc, 1, 4), "964,65");
    EXPECT_EQ(calc.Text(F::BankTotal), "12928,04");
}

// --- Where the schedule would divide by zero or run without end --------------------------

// Regular payments stop when the debt is paid off at the end of the term: a repayment that
// would start later is no early repayment, with the box ticked or not.
TEST_F(ScheduleTest, RegularPaymentsNeverRunPastTheTerm) {
    for (const bool early : {false, true}) {
        if (!early) calc.Click(B::RepayEarly);
        calc.Type(F::RepayAfter, "40");
        calc.Type(F::RepayBy, "48");
        ASSERT_EQ(Rows(), 50);
        for (int m = 1; m <= 36; ++m) EXPECT_EQ(Cell(calc, m, 1), "359,11") << m;
        EXPECT_EQ(Cell(calc, 36, 3), "0,00");
        for (int m = 37; m <= 49; ++m) EXPECT_EQ(Cell(calc, m, 1), "") << m;
        EXPECT_EQ(Cell(calc, 49, 5), Cell(calc, 36, 5));
        EXPECT_EQ(Shown(calc, F::BankTotal), "12928,04");
        EXPECT_EQ(Shown(calc, F::Losses), "928,04");
        if (!early) calc.Click(B::RepayEarly);
        calc.Type(F::RepayAfter, "1");
    }
}

// The case of a repayment "after 1200 months by month 1200": the debt never goes below zero and
// the grid holds no more months than the longest schedule.
TEST_F(ScheduleTest, RepaymentAfterTheLongestScheduleIsNoEarlyRepayment) {
    calc.Type(F::RepayAfter, "1200");
    calc.Type(F::RepayBy, "1200");
    ASSERT_EQ(Rows(), kMaxScheduleMonths + 1);
    for (int m = 1; m <= kMaxScheduleMonths; ++m) {
        ASSERT_EQ(Cell(calc, m, 3).find('-'), std::string::npos) << m;
    }
    EXPECT_EQ(Shown(calc, F::BankTotal), "12928,04");
}

// Losses are the bank total less the credit sum shown, however the first payment was typed.
TEST_F(ScheduleTest, LossesDoNotDependOnHowTheFirstPaymentWasTyped) {
    for (const bool fixed : {true, false}) {
        CreditCalculator typed;
        if (typed.Checked(B::FixedDiscount) != fixed) typed.Click(B::FixedDiscount);
        typed.Type(F::Price, "20000");
        const std::string losses = typed.Text(F::Losses);
        for (const char* share : {"40,00", "40,0", "40"}) {
            typed.Type(F::FirstPercent, share);
            typed.Click(B::RepayEarly);
            typed.Click(B::RepayEarly);
            EXPECT_EQ(typed.Text(F::Losses), losses) << share << " fixed=" << fixed;
            typed.Type(F::FirstPayment, "8000");
            typed.AcceptFirstPayment();
            EXPECT_EQ(typed.Text(F::Losses), losses) << share << " fixed=" << fixed;
        }
        EXPECT_EQ(Shown(typed, F::Losses), "928,04");
    }
}

TEST_F(ScheduleTest, NegativeRegularMonthsAreRefused) {
    calc.Type(F::RepayAfter, "-5");
    EXPECT_EQ(calc.Colour(F::RepayAfter), kFieldRed);
    EXPECT_EQ(Cell(calc, 1, 1), "");
    EXPECT_EQ(calc.Text(F::BankTotal), "12928,04");
}

struct HugeCase {
    const char* name;
    CreditField field;
    const char* text;
    CreditField red;
};

class HugeMonthCountsAreRefused : public ScheduleTest,
                                  public ::testing::WithParamInterface<HugeCase> {};

TEST_P(HugeMonthCountsAreRefused, WithoutAnEndlessGrid) {
    calc.Type(GetParam().field, GetParam().text);
    EXPECT_EQ(calc.Colour(GetParam().red), kFieldRed);
    EXPECT_LE(Rows(), kMaxScheduleMonths + 1);
    EXPECT_EQ(calc.Text(F::BankTotal), "12928,04");
}

INSTANTIATE_TEST_SUITE_P(
    Months, HugeMonthCountsAreRefused,
    ::testing::Values(HugeCase{"Edit8", F::RepayBy, "2000000000", F::RepayBy},
                      HugeCase{"Edit8JustOver", F::RepayBy, "1201", F::RepayBy},
                      HugeCase{"SpustEdit", F::RepayAfter, "2147483647", F::RepayAfter}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScheduleTest, LongestAcceptedTermFillsTheWholeGrid) {
    calc.Type(F::RepayBy, "1200");
    ASSERT_EQ(Rows(), kMaxScheduleMonths + 1);
    EXPECT_EQ(Cell(calc, 1200, 3), "0,00");
    EXPECT_EQ(calc.Colour(F::RepayBy), kFieldNormal);
}

TEST_F(ScheduleTest, RateTooSmallToChangeTheBalanceStopsWithoutShowingNonsense) {
    calc.Type(F::RateReal, "1e-300");
    EXPECT_EQ(calc.Text(F::BankTotal), "12928,04");
    EXPECT_EQ(calc.Text(F::MonthlyPayment), "359,11");
}

}  // namespace
}  // namespace kalvora
