#include <gtest/gtest.h>

#include "CreditTestSupport.h"
#include "engine/credit/CreditDump.h"

namespace kalvora {
namespace {

using namespace kalvora::testing;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

TEST(CreditDumpTest, CreatedWindowListsEveryFieldThenCaptionsAndTheHeaderOnlyGrid) {
    const CreditCalculator calc;
    const auto lines = Lines(CreditDump(calc));
    ASSERT_EQ(lines.size(), 33u + 2 + 1 + 1);
    EXPECT_EQ(lines[0], "Edit1\t\tffffff");
    EXPECT_EQ(lines[1], "Edit4\t40\tffffff");
    EXPECT_EQ(lines[3], "SumKreditEdit\t\tf0faff");
    EXPECT_EQ(lines[4], "StavkaF\t4,9\tffffff");
    EXPECT_EQ(lines[24], "Edit7\t33,336\tffffff");
    EXPECT_EQ(lines[32], "Edit11\t\t80ff80");
    EXPECT_EQ(lines[33], "Label20\t");
    EXPECT_EQ(lines[34], "Label19-hint\t");
    EXPECT_EQ(lines[35], "grid 1");
    EXPECT_EQ(lines[36], ".");
}

TEST(CreditDumpTest, WorkedExampleDumpsFieldsVerbatimAndEveryMonthRow) {
    CreditCalculator calc;
    OpenWith(calc, 20000, false);
    calc.Type(F::Price, "0");
    const auto lines = Lines(CreditDump(calc));
    ASSERT_EQ(lines.size(), 33u + 2 + 1 + 37 + 1);
    EXPECT_EQ(lines[0], "Edit1\t0\tff0000");
    EXPECT_EQ(lines[2], "Edit5\t8000,00\tffffff");
    EXPECT_EQ(lines[9], "EzemF\t359,11\tf0faff");
    EXPECT_EQ(lines[32], "Edit11\t928,04\tff8080");
    EXPECT_EQ(lines[33], "Label20\t20000,00 - 8000,00 = ");
    EXPECT_EQ(lines[34], "Label19-hint\t12000,00 - 11292,93 =");
    EXPECT_EQ(lines[35], "grid 38");
    EXPECT_EQ(lines[36], "row\t1\t359,11\t84,70\t11018,52\t964,65\t9323,76");
    EXPECT_EQ(lines[71], "row\t36\t359,11\t 2,67\t 0,00\t\t24130,67");
    EXPECT_EQ(lines[72], "row\t37\t\t\t\t\t");
    EXPECT_EQ(lines[73], ".");
}

}  // namespace
}  // namespace kalvora
