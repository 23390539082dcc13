#include <gtest/gtest.h>

#include <sstream>

#include "cli/CreditCommand.h"

namespace kalvora {
namespace {

struct CommandRun {
    int status;
    std::string out;
    std::string err;
};

CommandRun RunCredit(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCreditCommand(args, out, err);
    return {status, out.str(), err.str()};
}

bool HasLine(const std::string& text, const std::string& line) {
    return ("\n" + text).find("\n" + line + "\n") != std::string::npos;
}

TEST(CreditCommandTest, PrintsTheWorkedExampleFiguresAndSchedule) {
    const CommandRun run = RunCredit({"20000"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(HasLine(run.out, "first-payment\t8000.00"));
    EXPECT_TRUE(HasLine(run.out, "monthly-payment\t359.11"));
    EXPECT_TRUE(HasLine(run.out, "real-loan\t11292.93"));
    EXPECT_TRUE(HasLine(run.out, "discount\t707.07"));
    EXPECT_TRUE(HasLine(run.out, "kasko-plain-3\t1543.43"));
    EXPECT_TRUE(HasLine(run.out, "bank-total\t12928.04"));
    EXPECT_TRUE(HasLine(run.out, "paid-total\t24130.67"));
    EXPECT_TRUE(HasLine(run.out, "losses\t928.04"));
    EXPECT_TRUE(HasLine(run.out, "1\t359.11\t84.70\t11018.52\t964.65\t9323.76"));
    EXPECT_TRUE(HasLine(run.out, "36\t359.11\t2.67\t0.00\t\t24130.67"));
    EXPECT_FALSE(HasLine(run.out, "37\t\t\t\t\t"));  // the grid's empty last row is left out
}

TEST(CreditCommandTest, CsvHasHeadersAndCommas) {
    const CommandRun run = RunCredit({"20000", "--csv", "--first-percent", "50"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("field,value\nprice,20000\nfirst-percent,50\n", 0), 0u);
    EXPECT_TRUE(HasLine(run.out, "month,bank,interest,debt-left,kasko,paid"));
    EXPECT_TRUE(HasLine(run.out, "first-payment,10000.00"));
}

TEST(CreditCommandTest, EarlyRepaymentAndRatesAreTakenFromTheOptions) {
    const CommandRun run = RunCredit({"20000", "--rate-promo", "9", "--rate-real", "9",
                                      "--repay-after", "0", "--repay-by", "12"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(HasLine(run.out, "discount\t0.00"));
    EXPECT_NE(run.out.find("\n12\t"), std::string::npos);
    EXPECT_NE(run.out.find("\t0.00\t"), std::string::npos);
}

// The defaults the help shows ("4,9", "9,0") can be typed as shown, and with a point.
TEST(CreditCommandTest, BothDecimalSeparatorsAreAccepted) {
    const CommandRun comma = RunCredit({"20000", "--rate-promo", "4,9", "--rate-real", "9,0"});
    ASSERT_EQ(comma.status, 0) << comma.err;
    EXPECT_EQ(comma.out, RunCredit({"20000", "--rate-promo", "4.9", "--rate-real", "9.0"}).out);
    EXPECT_EQ(comma.out, RunCredit({"20000"}).out);
}

TEST(CreditCommandTest, ARepaymentAfterTheTermIsNoEarlyRepayment) {
    const CommandRun run = RunCredit({"21000", "--repay-after", "1199", "--repay-by", "1200"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("\t-"), std::string::npos);
    EXPECT_TRUE(HasLine(run.out, "losses\t974.44")) << run.out.substr(0, 400);
}

struct BadCase {
    std::vector<std::string> args;
    const char* says;
    int status = 2;  // 1: a configuration that cannot be read, as with every command
};

class CreditCommandRefuses : public ::testing::TestWithParam<BadCase> {};

TEST_P(CreditCommandRefuses, WithARussianMessageAndItsStatus) {
    const CommandRun run = RunCredit(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find(GetParam().says), std::string::npos) << run.err;
}

INSTANTIATE_TEST_SUITE_P(
    BadArguments, CreditCommandRefuses,
    ::testing::Values(
        BadCase{{}, "не указана цена"},
        BadCase{{"abc"}, "abc: не цена (целое число долларов) и не конфигурация", 1},
        BadCase{{"0"}, "цена автомобиля"}, BadCase{{"20000", "--rate-real"}, "нет значения"},
        BadCase{{"20000", "--rate-real", "0"}, "реальная ставка"},
        BadCase{{"-20000"}, "от 1 до 2147483647, а не «-20000»"},
        BadCase{{"2147483648"}, "от 1 до 2147483647"},
        // Whole dollars only: a thousands separator or an exponent is no price.
        BadCase{{"21,000"}, "целым числом долларов от 1 до 2147483647, а не «21,000»"},
        BadCase{{"21.000"}, "а не «21.000»"}, BadCase{{"1e3"}, "а не «1e3»"},
        BadCase{{"20000.0"}, "а не «20000.0»"},
        BadCase{{"20000", "--repay-after", "1.5", "--repay-by", "12"}, "--repay-after"},
        BadCase{{"20000", "--first-percent", "-5"}, "больше 0 и меньше 100"},
        BadCase{{"20000", "--first-percent", "101"}, "больше 0 и меньше 100"},
        BadCase{{"20000", "--first-percent", "1e308"}, "больше 0 и меньше 100"},
        BadCase{{"20000", "--rate-promo", "1e308"}, "ставка ФМК должна быть от 0,01 до 100"},
        BadCase{{"20000", "--rate-promo", "4;9"}, "ставка ФМК"},
        BadCase{{"20000", "--first-percent", "x"}, "первый взнос"},
        BadCase{{"20000", "--repay-after", "3"}, "вместе"},
        BadCase{{"20000", "--repay-after", "3", "--repay-by", "x"}, "--repay-by"},
        BadCase{{"20000", "--repay-after", "-4", "--repay-by", "12"}, "--repay-after"},
        BadCase{{"20000", "--repay-after", "1", "--repay-by", "5000"}, "--repay-by"},
        BadCase{{"20000", "--repay-after", "1200", "--repay-by", "1200"}, "нужен месяц после него"},
        BadCase{{"20000", "--bogus"}, "неизвестный ключ --bogus"},
        BadCase{{"20000", "30000"}, "лишний аргумент"}));

}  // namespace
}  // namespace kalvora
