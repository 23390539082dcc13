// kalvora-cli's command line: subcommands, help, version and exit statuses.
#include <gtest/gtest.h>

#include <filesystem>
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
    EXPECT_EQ(Cli({"-h"}).out, help.out);
    EXPECT_EQ(Cli({"help"}).out, help.out);
    for (const char* option : {"--help", "-h"}) {
        const CliRun helpOnHelp = Cli({"help", option});
        EXPECT_EQ(helpOnHelp.status, 0) << option;
        EXPECT_EQ(helpOnHelp.out, help.out) << option;
    }
    EXPECT_EQ(Cli({"-V"}).out, "kalvora-cli 1.12\n");
}

// Each command's help is its part of the usage text, wherever --help stands before "--".
TEST(CliMain, EveryCommandHasItsOwnHelp) {
    const std::string full = Cli({"--help"}).out;
    for (const std::string command : {"script", "price", "order", "checklist", "explain", "picture",
                                      "offer", "diff", "credit", "list"}) {
        const CliRun help = Cli({command, "x", "--help"});
        EXPECT_EQ(help.status, 0) << command;
        // Where it names the batch options, it says what they are.
        EXPECT_EQ(help.out.find("ПАКЕТ") == std::string::npos,
                  help.out.find("ПАКЕТ: --output-dir") == std::string::npos)
            << help.out;
        EXPECT_EQ(help.out.rfind("Использование:\n  kalvora-cli " + command, 0), 0u) << help.out;
        EXPECT_EQ(help.out.find("kalvora-cli " + std::string(command == "diff" ? "price" : "diff")),
                  std::string::npos)
            << command;
        EXPECT_LT(help.out.size(), full.size());
        EXPECT_EQ(Cli({"help", command}).out, help.out);
    }
    EXPECT_EQ(Cli({"help", "frobnicate"}).status, 2);
    // After "--", --help is an operand: here a code that cannot be priced.
    const CliRun operand = Cli({"price", "--", "--help"});
    EXPECT_EQ(operand.status, 1);
    EXPECT_EQ(operand.out.rfind("--help\terror: ", 0), 0u) << operand.out;
}

// Every error of the command line reads "kalvora-cli: COMMAND: MESSAGE" and exits 2; an option
// nobody knows is refused by every command, and "--name=value" is "--name value".
TEST(CliMain, OneFormForErrorsAndOptions) {
    struct Case {
        std::vector<std::string> args;
        std::string firstLine;
    };
    const Case cases[] = {
        {{"price", "--bogus", "x"}, "kalvora-cli: price: неизвестный ключ --bogus"},
        {{"order", "--pdf", "x"}, "kalvora-cli: order: неизвестный ключ --pdf"},
        {{"checklist", "--code", "x"}, "kalvora-cli: checklist: неизвестный ключ --code"},
        {{"explain"}, "kalvora-cli: explain: не задан ни один код или файл"},
        {{"diff", "x"}, "kalvora-cli: diff: нужны ровно два кода или файла"},
        {{"credit", "--csv=yes", "100"}, "kalvora-cli: credit: ключ --csv не принимает значения"},
        {{"credit", "100", "--rate-real"}, "kalvora-cli: credit: нет значения у ключа --rate-real"},
        {{"order", "--code", "--combined", "x"},
         "kalvora-cli: order: можно указать только один из ключей --code и --combined"},
        {{"script", "a", "b"}, "kalvora-cli: script: принимает не больше одного файла"},
        {{"list", "wheels"},
         "kalvora-cli: list: нет такого списка: «wheels»; есть trims, "
         "bodies, rails, engines, colours, options, credit-fields"},
        {{"frobnicate"}, "kalvora-cli: неизвестная команда «frobnicate»"},
        {{"--frobnicate"}, "kalvora-cli: неизвестный ключ --frobnicate"},
        {{"help", "frobnicate"}, "kalvora-cli: help: нет такой команды: «frobnicate»"},
        {{"credit", "21,000"},
         "kalvora-cli: credit: цена автомобиля должна быть целым числом долларов от 1 до "
         "2147483647, а не «21,000»"},
        {{"credit", "20000", "--first-percent", "100"},
         "kalvora-cli: credit: --first-percent: первый взнос должен быть больше 0 и меньше 100 "
         "процентов, а не «100»"},
        // The credit window paints such a month red and repays everything the month after.
        {{"credit", "18000", "--repay-after", "12", "--repay-by", "6"},
         "kalvora-cli: credit: --repay-by: месяц погашения 6 не позже последнего месяца "
         "обычных платежей (--repay-after 12); нужен месяц после него"},
        {{"credit", "18000", "--repay-after", "40", "--repay-by", "40"},
         "kalvora-cli: credit: --repay-by: месяц погашения 40 не позже последнего месяца "
         "обычных платежей (--repay-after 40); нужен месяц после него"},
    };
    const std::string hint = "\nСправка: kalvora-cli ";
    for (const Case& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 2) << c.firstLine;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.firstLine);
        // The help the error points to is there.
        const std::size_t at = run.err.find(hint);
        ASSERT_NE(at, std::string::npos) << run.err;
        std::istringstream words(run.err.substr(at + hint.size()));
        std::vector<std::string> help;
        for (std::string word; words >> word;) help.push_back(word);
        EXPECT_EQ(Cli(help).status, 0) << run.err;
    }
    EXPECT_EQ(Cli({"credit", "20000", "--first-percent=50"}).out,
              Cli({"credit", "20000", "--first-percent", "50"}).out);
    EXPECT_EQ(Cli({"order", "--code", "--", "####################"}).out,
              Cli({"order", "--code", "####################"}).out);
    // A configuration that cannot be started names the command and the input.
    EXPECT_EQ(Cli({"checklist", "nonsense"}).err,
              "kalvora-cli: checklist: nonsense: Недопустимая комбинация кода\n");
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
    EXPECT_EQ(bad.err, "kalvora-cli: checklist: nonsense: Недопустимая комбинация кода\n");
    EXPECT_EQ(Cli({"order", "--code", "--combined", "x"}).status, 2);
    EXPECT_EQ(Cli({"checklist"}).status, 2);
}

TEST(CliMain, CreditCalculatorOnTheCommandLine) {
    const CliRun run = Cli({"credit", "16215"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("price\t16215\n", 0), 0u);
    EXPECT_EQ(Cli({"credit"}).status, 2);
    // JSON: counts and whole dollars are integers, amounts in cents numbers with decimals.
    const std::string json = Cli({"credit", "18000", "--json"}).out;
    for (const char* field :
         {"\"price\":18000,", "\"term\":36,", "\"first-percent\":40,", "\"first-payment\":7200.0,",
          "\"rate-real\":9.0,", "\"monthly-payment\":323.2,", "{\"month\":1,\"bank\":323.2,"}) {
        EXPECT_NE(json.find(field), std::string::npos) << field << " in " << json;
    }
}

// An argument that names a folder is reported as the folder it is, not as a code refused.
TEST(CliMain, AFolderGivenAsAConfigurationIsNamedAsOne) {
    const std::string folder = "kalvora-test-orders";
    std::filesystem::create_directory(folder);
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"price", folder}, 1},
        {{"order", folder}, 1},
        {{"checklist", folder}, 1},
        {{"explain", folder}, 1},
        {{"credit", folder}, 1},
        {{"diff", folder, "-"}, 2},
        {{"diff", "--json", "####################", folder}, 2},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args, "####################\n");
        EXPECT_EQ(run.status, c.status) << c.args[0];
        EXPECT_NE((run.out + run.err).find("«" + folder + "»: это каталог"), std::string::npos)
            << run.out << run.err;
    }
    std::filesystem::remove(folder);
}

// --no-prices leaves out the bracketed prices of the trim and the options, not the total.
TEST(CliMain, OrderWithoutPricesKeepsOnlyTheTotal) {
    const std::string priced = Cli({"order", "Zt!F!!!t!.!!!!!!!!!!"}).out;
    const std::string plain = Cli({"order", "--no-prices", "Zt!F!!!t!.!!!!!!!!!!"}).out;
    EXPECT_NE(priced.find("[$15550] Комплектация: Comfort\n"), std::string::npos) << priced;
    EXPECT_NE(plain.find("\nКомплектация: Comfort\n"), std::string::npos) << plain;
    EXPECT_EQ(plain.find("[$"), std::string::npos);
    EXPECT_NE(plain.find("Итоговая цена: $16215"), std::string::npos);
    EXPECT_NE(Cli({"order", "--help"}).out.find("итоговая цена остаётся"), std::string::npos);
}

TEST(PriceCommand, PricesEachArgumentInAFreshSession) {
    FakeFileAccess files;
    files.files["saved.klv"] = "Zt!F!!!t!.!!!!!!!!!!\r\n";
    files.files["empty.klv"] = "";
    std::ostringstream out;
    std::istringstream none;
    InputList inputs({"Zt!F!!!t!.!!!!!!!!!!", "###########", "saved.klv", "0###", "empty.klv"},
                     none);
    const int status = RunPrice(inputs, out, files);
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
    std::istringstream none;
    InputList inputs({"a.klv", "x\ty.klv"}, none);
    EXPECT_EQ(RunPrice(inputs, out, files), 1);
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
    std::istringstream none;
    InputList inputs({"####################", "Zt!F!!!t!.!"}, none);
    EXPECT_EQ(RunPrice(inputs, out, files), 0);
}

// "-" reads codes (or file names) from the standard input, one a line, between the operands.
TEST(PriceCommand, DashReadsCodesFromStandardInput) {
    const CliRun run =
        Cli({"price", "Zt!F!!!t!.!", "-", "###########"}, "####################\r\n\n0###\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out,
              "Zt!F!!!t!.!\tYs!Ekkkskpkkkkkkkkkk\t16215\n"
              "####################\t####################\t12420\n"
              "0###\terror: Недопустимая комбинация кода\n"
              "###########\t####################\t12420\n");
    EXPECT_EQ(Cli({"price", "-", "-"}).status, 2);
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
    // An empty standard input is named as what it is.
    EXPECT_EQ(Diff({"reset.klv", "-"}, "")
                  .err.rfind("kalvora-cli: diff: Вариант B (стандартный ввод): ", 0),
              0u);
    EXPECT_EQ(Cli({"diff", "x"}).status, 2);
}

}  // namespace
}  // namespace kalvora::cli
