// kalvora-cli's command line: subcommands, help, version and exit statuses.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliMain.h"
#include "cli/DiffCommand.h"
#include "cli/PriceCommand.h"
#include "pricing/FakeFileAccess.h"

namespace kalvora::cli {
namespace {

using kalvora::testing::FakeFileAccess;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Cli(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

TEST(CliMain, VersionAndHelpGoToStandardOutput) {
    EXPECT_EQ(Cli({"--version"}).out, "kalvora-cli 1.12\n");
    const CliRun help = Cli({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("kalvora-cli script"), std::string::npos);
    EXPECT_NE(help.out.find("kalvora-cli price"), std::string::npos);
    EXPECT_EQ(help.err, "");
    EXPECT_EQ(Cli({"price", "--help"}).out, help.out);
}

TEST(CliMain, UsageErrorsGoToStandardErrorWithStatusTwo) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{},
                                                      {"frobnicate"},
                                                      {"price"},
                                                      {"script", "a", "b"},
                                                      {"script", "/nonexistent/scenario"},
                                                      {"script", "/"}}) {
        const CliRun run = Cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
}

TEST(CliMain, ScriptReadsStandardInputWithoutFileOrWithDash) {
    EXPECT_EQ(Cli({"script"}, "start\nprint price\n").out, "Цена: $12420\n");
    EXPECT_EQ(Cli({"script", "-"}, "start\nprint code\n").out, "####################\n");
}

TEST(CliMain, DocumentsOfAConfigurationGivenOnTheCommandLine) {
    const CliRun order = Cli({"order", "--no-prices", "Zt!F!!!t!.!!!!!!!!!!"});
    EXPECT_EQ(order.status, 0);
    EXPECT_NE(order.out.find("Tonic Metallic"), std::string::npos);
    EXPECT_EQ(order.out.find("[$"), std::string::npos);
    const CliRun list = Cli({"checklist", "####################"});
    EXPECT_EQ(list.status, 0);
    EXPECT_NE(list.out.find("\"####################\""), std::string::npos);

    const CliRun bad = Cli({"checklist", "nonsense"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "kalvora-cli: nonsense: Недопустимая комбинация кода\n");
    EXPECT_EQ(Cli({"order", "--code", "--combined", "x"}).status, 2);
    EXPECT_EQ(Cli({"checklist"}).status, 2);
}

TEST(CliMain, CreditCalculatorOnTheCommandLine) {
    const CliRun run = Cli({"credit", "16215"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("price\t16215\n", 0), 0u);
    EXPECT_EQ(Cli({"credit"}).status, 2);
}

TEST(PriceCommand, PricesEachArgumentInAFreshSession) {
    FakeFileAccess files;
    files.files["saved.klv"] = "Zt!F!!!t!.!!!!!!!!!!\r\n";
    files.files["empty.klv"] = "";
    std::ostringstream out;
    const int status = RunPrice(
        {"Zt!F!!!t!.!!!!!!!!!!", "###########", "saved.klv", "0###", "empty.klv"}, out, files);
    EXPECT_EQ(status, 1);
    EXPECT_EQ(out.str(),
              "Zt!F!!!t!.!!!!!!!!!!\tYs!Ekkkskpkkkkkkkkkk\t16215\n"
              "###########\t####################\t12420\n"
              "saved.klv\tYs!Ekkkskpkkkkkkkkkk\t16215\n"
              "0###\terror: Недопустимая комбинация кода\n"
              "empty.klv\terror: Недопустимая комбинация кода\n");
}

TEST(PriceCommand, AnUnreadableFileIsAnError) {
    FakeFileAccess files;
    files.files["a.klv"] = "####################\r\n";
    files.readError = "отказано в доступе";
    std::ostringstream out;
    EXPECT_EQ(RunPrice({"a.klv", "x\ty.klv"}, out, files), 1);
    // A tab in an argument would break the columns: it is written as \t.
    EXPECT_EQ(out.str(),
              "a.klv\terror: Не удалось открыть файл «a.klv»: отказано в доступе\n"
              "x\\ty.klv\terror: Не удалось открыть файл «x\\ty.klv»: отказано в доступе\n");
}

// Output that cannot be written (a full disk, /dev/full) is a failure, help and version too.
TEST(CliMain, UnwritableOutputIsReportedWithStatusOne) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"--version"}, {"price", "####################"}}) {
        std::istringstream in;
        std::ostream full(nullptr);
        std::ostringstream err;
        EXPECT_EQ(RunCli(arguments, in, full, err), 1) << arguments.front();
        EXPECT_NE(err.str().find("не удалось записать вывод"), std::string::npos);
    }
}

TEST(PriceCommand, ExitsZeroWhenEverythingWasPriced) {
    FakeFileAccess files;
    std::ostringstream out;
    EXPECT_EQ(RunPrice({"####################", "Zt!F!!!t!.!"}, out, files), 0);
}

struct DiffRun {
    int status;
    std::string out;
    std::string err;
};

DiffRun Diff(const std::vector<std::string>& arguments, const std::string& input = "") {
    FakeFileAccess files;
    files.files["reset.klv"] = "####################\r\n";
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunDiff(arguments, in, out, err, files);
    return {status, out.str(), err.str()};
}

// Statuses as diff(1): 0 the same configuration, 1 different ones, 2 trouble.
TEST(DiffCommand, ExitStatusesAsDiff) {
    const DiffRun same = Diff({"####################", "reset.klv"});
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "total\t12420\t12420\t0\n");  // a code against its own file

    const DiffRun different = Diff({"####################", "Zt!F!!!t!.!!!!!!!!!!"});
    EXPECT_EQ(different.status, 1);
    EXPECT_EQ(different.err, "");
    EXPECT_EQ(different.out.rfind("trim\tКомплектация\tAmbiente\tComfort\n", 0), 0u);
    const std::string last = "total\t12420\t16215\t3795\n";
    EXPECT_EQ(different.out.substr(different.out.size() - last.size()), last);

    // "-" reads the code from the standard input; an older code is the same configuration.
    EXPECT_EQ(Diff({"-", "Zt!F!!!t!.!"}, "Zt!F!!!t!.!!!!!!!!!!\r\n").status, 0);

    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"reset.klv"}, {"a", "b", "c"}, {"-", "-"}}) {
        const DiffRun run = Diff(arguments);
        EXPECT_EQ(run.status, 2) << arguments.size();
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
    }
    const DiffRun bad = Diff({"reset.klv", "0###"});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, "kalvora-cli: diff: Вариант B (0###): Недопустимая комбинация кода\n");
    EXPECT_EQ(Cli({"diff", "x"}).status, 2);
}

}  // namespace
}  // namespace kalvora::cli
