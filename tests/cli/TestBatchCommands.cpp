// kalvora-cli for a back office: documents for many configurations in one run, the names
// script mode accepts, machine-readable output and reproducible documents.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliMain.h"
#include "cli/CommandLineStart.h"
#include "cli/ScriptSession.h"
#include "pricing/FakeFileAccess.h"

namespace kalvora::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

std::string Read(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// A fresh folder of its own for each test, removed afterwards.
class Folder {
  public:
    Folder() {
        std::string pattern = (fs::temp_directory_path() / "kalvora-cli-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~Folder() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    fs::path operator/(const std::string& name) const { return path_ / name; }
    std::string Str() const { return path_.string(); }
    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary) << bytes;
    }

  private:
    fs::path path_;
};

constexpr const char* kComfort = "Zt!F!!!t!.!!!!!!!!!!";
constexpr const char* kReset = "####################";

// The names `list` prints are the ones script mode takes: every one of them plays.
TEST(ListCommand, EveryListedNameIsAcceptedByScriptMode) {
    const struct {
        const char* list;
        std::string (*line)(const std::string& name);
        std::size_t count;
    } lists[] = {
        {"trims", [](const std::string& n) { return "trim " + n; }, 4},
        {"bodies", [](const std::string& n) { return "click " + n; }, 4},
        {"rails", [](const std::string& n) { return "click " + n; }, 3},
        {"engines", [](const std::string& n) { return "click " + n; }, 8},
        {"colours", [](const std::string& n) { return "colour " + n; }, 12},
        {"options", [](const std::string& n) { return "click " + n; }, 0},
        {"credit-fields", [](const std::string& n) { return "credit-set " + n + " 1"; }, 0},
    };
    for (const auto& list : lists) {
        const CliRun run = Cli({"list", list.list});
        ASSERT_EQ(run.status, 0) << list.list;
        const std::vector<std::string> lines = Lines(run.out);
        if (list.count) {
            EXPECT_EQ(lines.size(), list.count) << list.list;
        }
        std::string scenario = "start\ncredit\n";
        for (const std::string& line : lines) {
            const std::size_t tab = line.find('\t');
            ASSERT_NE(tab, std::string::npos) << line;
            EXPECT_GT(line.size(), tab + 1) << "no caption: " << line;
            scenario += list.line(line.substr(0, tab)) + "\n";
        }
        std::istringstream in(scenario);
        std::ostringstream out, err;
        kalvora::testing::FakeFileAccess files;
        EXPECT_EQ(RunScript(in, out, err, files), 0) << list.list << ": " << err.str();
    }
}

// An option's price in the list is its price after "Сбросить всё", as explain shows it.
TEST(ListCommand, OptionPricesAreThoseOfTheResetConfiguration) {
    std::map<std::string, std::string> explained;
    for (const std::string& line : Lines(Cli({"explain", kReset}).out)) {
        std::istringstream fields(line);
        std::string id, caption, state, price;
        std::getline(fields, id, '\t');
        std::getline(fields, caption, '\t');
        std::getline(fields, state, '\t');
        std::getline(fields, price, '\t');
        explained[id] = price;
    }
    const std::vector<std::string> lines = Lines(Cli({"list", "options"}).out);
    EXPECT_GT(lines.size(), 40u);
    for (const std::string& line : lines) {
        const std::string id = line.substr(0, line.find('\t'));
        EXPECT_EQ(line.substr(line.rfind('\t') + 1), explained[id]) << line;
    }
    // The same in JSON, one object a line.
    const std::vector<std::string> json = Lines(Cli({"list", "options", "--json"}).out);
    ASSERT_EQ(json.size(), lines.size());
    const Json first = Json::parse(json.front());
    EXPECT_EQ(first["name"], lines.front().substr(0, lines.front().find('\t')));
    EXPECT_TRUE(first["price"].is_number_integer());
}

// Many inputs, "-" for the standard input, one file each in --output-dir under a pattern.
TEST(BatchCommands, DocumentsOfManyInputsGoToTheirOwnFiles) {
    Folder folder;
    folder.Write("ghia.klv", "Zt!F!!!t!.!!!!!!!!!!\r\n");
    const std::string ghia = (folder / "ghia.klv").string();
    const std::string out = (folder / "out").string();

    CliRun run = Cli({"order", "--date", "2026-12-24T10:00:00", "--output-dir", out, ghia, "-"},
                     std::string(kReset) + "\n");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Read(folder / "out" / "ghia.txt"),
              Cli({"order", "--date=2026-12-24T10:00:00", kComfort}).out);
    EXPECT_EQ(Read(folder / "out" / (std::string(kReset) + ".txt")),
              Cli({"order", "--date=2026-12-24T10:00:00", kReset}).out);

    run = Cli(
        {"checklist", "--output-dir", out, "--name", "{n}-{code}.list", kComfort, "0###", kReset});
    EXPECT_EQ(run.status, 1);  // the second input is no configuration, the others are written
    EXPECT_EQ(run.err, "kalvora-cli: checklist: 0###: Недопустимая комбинация кода\n");
    EXPECT_TRUE(fs::exists(folder / "out" / "1-Ys!Ekkkskpkkkkkkkkkk.list"));
    EXPECT_TRUE(fs::exists(folder / "out" / "3-####################.list"));

    EXPECT_EQ(Cli({"order", "--name", "{what}.txt", kReset}).status, 2);
}

// Two inputs that would write the same file, by the same name or by two names of it: the
// second is refused, the first kept.
TEST(BatchCommands, NoTwoInputsWriteOneFile) {
    Folder folder;
    folder.Write("first.klv", std::string(kComfort) + "\r\n");
    folder.Write("second.klv", std::string(kReset) + "\r\n");
    const struct {
        const char* how;
        const char* pattern;
        const char* first;  // the file the first input wrote
        void (*lay)(const fs::path& out);
    } cases[] = {
        {"one name", "same.tsv", "same.tsv", [](const fs::path&) {}},
        {"a folder and back", "{n}/../same.tsv", "same.tsv",
         [](const fs::path& out) {
             fs::create_directories(out / "1");
             fs::create_directories(out / "2");
         }},
        {"two links to one folder", "{n}/same.tsv", "real/same.tsv",
         [](const fs::path& out) {
             fs::create_directories(out / "real");
             fs::create_directory_symlink("real", out / "1");
             fs::create_directory_symlink("real", out / "2");
         }},
        {"a link to the file", "{name}.tsv", "first.tsv",
         [](const fs::path& out) {
             fs::create_directories(out);
             fs::create_symlink("first.tsv", out / "second.tsv");
         }},
        {"a hard link", "{name}.tsv", "first.tsv",
         [](const fs::path& out) {
             fs::create_directories(out);
             std::ofstream(out / "first.tsv") << "old";
             fs::create_hard_link(out / "first.tsv", out / "second.tsv");
         }},
    };
    for (const auto& c : cases) {
        const fs::path out = folder / c.how;
        c.lay(out);
        const CliRun run = Cli({"explain", "--output-dir", out.string(), "--name", c.pattern,
                                (folder / "first.klv").string(), (folder / "second.klv").string()});
        EXPECT_EQ(run.status, 1) << c.how;
        EXPECT_NE(run.err.find("уже записан в этом запуске"), std::string::npos)
            << c.how << ": " << run.err;
        EXPECT_EQ(Read(out / c.first), Cli({"explain", kComfort}).out) << c.how;
    }
}

// An output folder that cannot be made is named once with the system's reason; nothing is
// written and no input is blamed for it.
TEST(BatchCommands, AnOutputFolderThatCannotBeMadeIsSaidSo) {
    Folder folder;
    folder.Write("plain", "a file, not a folder\n");
    const CliRun run =
        Cli({"order", "--output-dir", (folder / "plain" / "sub").string(), kComfort});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("не удалось создать папку «"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("»: часть пути не является каталогом"), std::string::npos) << run.err;
}

// A document never takes the place of a configuration the run reads, whether that input comes
// before or after it, and a document the run wrote is never read as a configuration.
TEST(BatchCommands, NoDocumentReplacesAConfigurationTheRunReads) {
    Folder folder;
    folder.Write("ghia.klv", "Zt!F!!!t!.!!!!!!!!!!\r\n");
    folder.Write("reset.klv", std::string(kReset) + "\r\n");
    const std::string ghia = (folder / "ghia.klv").string();
    const std::string reset = (folder / "reset.klv").string();
    fs::create_symlink(ghia, folder / "link.txt");
    fs::create_symlink("1.txt", folder / "later.klv");  // leads nowhere until 1.txt is written
    const std::string dir = folder.Str();
    const std::string again = dir + "/../" + fs::path(dir).filename().string() + "/";
    constexpr const char* kInput = "это входной файл команды";
    constexpr const char* kOutput = "это выходной файл этого запуска";
    constexpr const char* kKlv = "документ не пишется в файл .klv";
    const struct {
        std::vector<std::string> arguments;
        std::string input;  // the standard input
        const char* why;
    } runs[] = {
        // By its own name, through a link, with the input named on standard input.
        {{"order", "--output-dir", dir, "--name", "ghia.klv", ghia}, "", kInput},
        {{"checklist", "--output-dir", dir, "--name", "link.txt", ghia}, "", kInput},
        {{"explain", "--output-dir", dir, "--name", "ghia.klv", "-"}, ghia + "\n", kInput},
        // An input named after the one whose document would replace it.
        {{"order", "--output-dir", dir, "--name", "reset.klv", ghia, reset}, "", kInput},
        {{"explain", "--name", reset, "-", again + "reset.klv"}, ghia + "\n", kInput},
        // A later line of the standard input names a document written before, by any name.
        {{"order", "--output-dir", dir, "--name", "{n}.txt", "-"},
         ghia + "\n" + again + "1.txt\n",
         kOutput},
        {{"checklist", "--output-dir", dir, "--name", "{n}.txt", "-"},
         ghia + "\n" + dir + "/later.klv\n",
         kOutput},
        // Names on the standard input are known only as they come: no document goes into a
        // .klv file, which a later line may name.
        {{"order", "--output-dir", dir, "--name", "reset.klv", "-"},
         ghia + "\n" + reset + "\n",
         kKlv},
        {{"checklist", "--output-dir", dir, "--name", "{n}.KLV", "-"}, ghia + "\n", kKlv},
    };
    for (const auto& run : runs) {
        fs::remove(folder / "1.txt");
        const CliRun result = Cli(run.arguments, run.input);
        EXPECT_EQ(result.status, 1) << run.arguments[0] << " " << run.input;
        EXPECT_NE(result.err.find(run.why), std::string::npos) << result.err;
        EXPECT_EQ(Read(folder / "ghia.klv"), "Zt!F!!!t!.!!!!!!!!!!\r\n") << result.err;
        EXPECT_EQ(Read(folder / "reset.klv"), std::string(kReset) + "\r\n") << result.err;
        EXPECT_FALSE(fs::exists(folder / "2.txt")) << result.err;
        EXPECT_FALSE(fs::exists(folder / "1.KLV")) << result.err;
    }
}

// A name that is there in its folder is a file to read, whatever it is and however it is
// spelt; reading it says what is wrong. A link that leads nowhere is named as such, never taken
// for a code, in every command that reads a configuration.
TEST(BatchCommands, ANameThatIsThereIsReadAsAFile) {
    Folder folder;
    const fs::path home = fs::current_path();
    fs::current_path(folder.Str());
    fs::create_symlink("nowhere", "gone");
    fs::create_directory("folder");
    const struct {
        std::vector<std::string> arguments;
        const char* why;
    } runs[] = {
        {{"price", "gone"}, "ссылка указывает на несуществующий файл"},
        {{"order", "gone"}, "ссылка указывает на несуществующий файл"},
        {{"checklist", "--output-dir", "out", "-"}, "ссылка указывает на несуществующий файл"},
        {{"explain", "--json", "gone"}, "ссылка указывает на несуществующий файл"},
        {{"diff", kReset, "gone"}, "ссылка указывает на несуществующий файл"},
        {{"credit", "gone"}, "ссылка указывает на несуществующий файл"},
        {{"order", "folder"}, "Не удалось открыть файл «folder»"},
    };
    for (const auto& run : runs) {
        const CliRun result = Cli(run.arguments, "gone\n");
        EXPECT_NE(result.status, 0) << run.arguments[0];
        EXPECT_NE((result.out + result.err).find(run.why), std::string::npos)
            << run.arguments[0] << ": " << result.out << result.err;
        EXPECT_EQ((result.out + result.err).find("Недопустимая комбинация кода"), std::string::npos)
            << result.out << result.err;
    }
    fs::current_path(home);
}

// Leftovers of killed writes of the files a run writes go, as a single save removes its own;
// those of other files stay.
TEST(BatchCommands, LeftoversOfTheFilesWrittenAreRemoved) {
    Folder folder;
    fs::create_directory(folder / "out");
    folder.Write("out/.1.txt.k3Xz9Q", "torn");
    folder.Write("out/.9.txt.k3Xz9Q", "torn");
    const CliRun run =
        Cli({"order", "--output-dir", (folder / "out").string(), "--name", "{n}.txt", kReset});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::exists(folder / "out" / "1.txt"));
    EXPECT_FALSE(fs::exists(folder / "out" / ".1.txt.k3Xz9Q"));
    EXPECT_TRUE(fs::exists(folder / "out" / ".9.txt.k3Xz9Q"));
}

TEST(BatchCommands, SeveralDocumentsOnStandardOutputAreHeaded) {
    const CliRun run = Cli({"checklist", "--date", "2026-01-02", kReset, "-"}, kComfort);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string first = Cli({"checklist", "--date", "2026-01-02", kReset}).out;
    const std::string second = Cli({"checklist", "--date", "2026-01-02", kComfort}).out;
    EXPECT_EQ(run.out, "==> " + std::string(kReset) + " <==\n" + first + "\n==> " + kComfort +
                           " <==\n" + second);
    // A single input is written as it always was, without a heading.
    EXPECT_EQ(first.find("==>"), std::string::npos);
}

// The same inputs and date give the same bytes; the date comes from --date, else from
// SOURCE_DATE_EPOCH (universal time).
TEST(BatchCommands, DocumentsAreReproducible) {
    ::setenv("SOURCE_DATE_EPOCH", "1798099200", 1);  // 2026-12-24 08:00:00 UTC
    const std::string order = Cli({"order", kComfort}).out;
    EXPECT_EQ(order, Cli({"order", kComfort}).out);
    EXPECT_NE(order.find("Заказ составлен 24.12.2026, 08:00:00"), std::string::npos) << order;
    EXPECT_NE(Cli({"checklist", kComfort}).out.find("24.12.2026, 08:00:00"), std::string::npos);
    const std::string dated = Cli({"order", "--date", "2027-03-01T09:30", kComfort}).out;
    EXPECT_NE(dated.find("Заказ составлен 01.03.2027, 09:30:00"), std::string::npos) << dated;
    ::setenv("SOURCE_DATE_EPOCH", "yesterday", 1);
    const CliRun undated = Cli({"order", kComfort});
    EXPECT_EQ(undated.status, 2);
    EXPECT_EQ(undated.err.rfind("kalvora-cli: order: " + EpochProblem("yesterday") + "\n", 0), 0u)
        << undated.err;
    ::unsetenv("SOURCE_DATE_EPOCH");
    for (const char* bad : {"2026-02-30", "24.12.2026", "2026-12-24T25:00"}) {
        const CliRun run = Cli({"checklist", "--date", bad, kComfort});
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_NE(run.err.find(bad), std::string::npos) << run.err;
    }
}

// --json: one object a line, numbers as numbers, the same facts as the text forms.
TEST(JsonOutput, EveryCommandWritesObjectsThatParse) {
    const std::vector<std::string> prices =
        Lines(Cli({"price", "--json", kComfort, "-"}, "0###\n").out);
    ASSERT_EQ(prices.size(), 2u);
    EXPECT_EQ(Json::parse(prices[0]),
              Json::parse(R"({"input":"Zt!F!!!t!.!!!!!!!!!!","code":"Ys!Ekkkskpkkkkkkkkkk",)"
                          R"("price":16215})"));
    EXPECT_EQ(Json::parse(prices[1])["error"], "Недопустимая комбинация кода");

    const std::vector<std::string> explained =
        Lines(Cli({"explain", "--json", kComfort, kReset}).out);
    ASSERT_EQ(explained.size(), 2u);
    const Json comfort = Json::parse(explained[0]);
    EXPECT_EQ(comfort["price"], 16215);
    const std::vector<std::string> text = Lines(Cli({"explain", kComfort}).out);
    ASSERT_EQ(comfort["options"].size(), text.size());
    const Json& climate = comfort["options"][0];
    EXPECT_EQ(text[0], climate["id"].get<std::string>() + "\t" +
                           climate["caption"].get<std::string>() + "\t" +
                           climate["state"].get<std::string>() + "\t" +
                           std::to_string(climate["price"].get<int>()) + "\t" +
                           climate["reason"].get<std::string>());

    const CliRun diff = Cli({"diff", "--json", kReset, kComfort});
    EXPECT_EQ(diff.status, 1);
    const Json compared = Json::parse(diff.out);
    EXPECT_EQ(compared["same"], false);
    EXPECT_EQ(compared["total"]["difference"], 16215 - 12420);
    EXPECT_EQ(compared["differences"].size(),
              Lines(Cli({"diff", kReset, kComfort}).out).size() - 1);

    const Json credit = Json::parse(Cli({"credit", "--json", "20000"}).out);
    EXPECT_EQ(credit["figures"]["monthly-payment"], 359.11);
    EXPECT_EQ(credit["figures"]["price"], 20000);
    ASSERT_EQ(credit["schedule"].size(), 36u);
    EXPECT_EQ(credit["schedule"][0]["kasko"], 964.65);
    EXPECT_TRUE(credit["schedule"][1]["kasko"].is_null());
}

// The price of a credit can be a configuration: its total.
TEST(CreditCommand, TakesACodeOrFileInPlaceOfThePrice) {
    Folder folder;
    folder.Write("comfort.klv", std::string(kComfort) + "\r\n");
    const std::string byPrice = Cli({"credit", "16215", "--first-percent", "50"}).out;
    EXPECT_EQ(Cli({"credit", kComfort, "--first-percent", "50"}).out, byPrice);
    EXPECT_EQ(Cli({"credit", (folder / "comfort.klv").string(), "--first-percent", "50"}).out,
              byPrice);
    // A configuration that cannot be read fails as with every other command.
    const CliRun bad = Cli({"credit", "0###"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err,
              "kalvora-cli: credit: 0###: не цена (целое число долларов) и не конфигурация: "
              "Недопустимая комбинация кода\n");
}

// A spreadsheet gets one table, in its own decimal form, and no row without figures.
TEST(CreditCommand, CsvForSpreadsheets) {
    const std::vector<std::string> summary =
        Lines(Cli({"credit", "20000", "--csv", "--decimal", ",", "--table", "summary"}).out);
    ASSERT_EQ(summary.size(), 20u);
    EXPECT_EQ(summary[0], "field;value");
    EXPECT_EQ(summary[3], "first-payment;8000,00");
    const std::vector<std::string> schedule =
        Lines(Cli({"credit", "20000", "--csv", "--table=schedule"}).out);
    ASSERT_EQ(schedule.size(), 37u);
    EXPECT_EQ(schedule[0], "month,bank,interest,debt-left,kasko,paid");
    EXPECT_EQ(schedule[36], "36,359.11,2.67,0.00,,24130.67");
    const std::string plain = Cli({"credit", "20000"}).out;
    EXPECT_EQ(plain.find("\n37\t"), std::string::npos);
    // An early repayment that would start after the term changes nothing.
    EXPECT_EQ(Cli({"credit", "20000", "--repay-after", "40", "--repay-by", "50"}).out, plain);
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"credit", "20000", "--decimal", ","},
          {"credit", "20000", "--csv", "--decimal", ";"},
          {"credit", "20000", "--csv", "--table", "both"},
          {"credit", "20000", "--csv", "--json"}}) {
        EXPECT_EQ(Cli(args).status, 2) << args[2];
    }
}

// --strict ends a scenario, after its output, at the first line that did not do what it says;
// without it the same scenario plays to its end.
TEST(StrictScripts, EndAtTheFirstLineThatDidNothing) {
    const struct {
        const char* scenario;
        int line;
        const char* file = "";  // named once in the error
    } cases[] = {
        {"print price\nstart\n", 1},
        {"start\nclick KsenonBox\nprint price\n", 2},  // Ambiente offers no xenon
        {"start\nfocus KsenonBox\n", 2},
        {"start\nopen missing.klv\nprint code\n", 2, "«missing.klv»"},
        {"start missing.klv\nprint code\n", 1, "«missing.klv»"},
        {"start\nsave locked.klv yes\n", 2, "«locked.klv»"},
    };
    for (const auto& c : cases) {
        std::string outputs[2];
        for (const bool strict : {false, true}) {
            kalvora::testing::FakeFileAccess files;
            files.writeError = "отказано в доступе";
            std::istringstream in(c.scenario);
            std::ostringstream out, err;
            ScriptOptions options;
            options.strict = strict;
            const int status = RunScript(in, out, err, files, options);
            outputs[strict] = out.str();
            EXPECT_EQ(status, strict ? 1 : 0) << c.scenario;
            if (strict) {
                EXPECT_EQ(err.str().rfind("error: " + std::to_string(c.line) + ": ", 0), 0u)
                    << err.str();
                if (*c.file != '\0') {
                    const std::size_t named = err.str().find(c.file);
                    EXPECT_NE(named, std::string::npos) << err.str();
                    EXPECT_EQ(err.str().find(c.file, named + 1), std::string::npos) << err.str();
                }
            } else {
                EXPECT_EQ(err.str(), "");
            }
        }
        // What the lines up to the failing one printed is printed in both runs.
        EXPECT_EQ(outputs[0].rfind(outputs[1], 0), 0u) << c.scenario;
    }
    // A save the scenario declines, and clicks that act, are no failures.
    kalvora::testing::FakeFileAccess files;
    files.files["kept.klv"] = "####################\r\n";
    std::istringstream in("start\nsave kept.klv no\ncolour 3\nprint price\n");
    std::ostringstream out, err;
    EXPECT_EQ(RunScript(in, out, err, files, ScriptOptions{true}), 0) << err.str();
    EXPECT_EQ(Cli({"script", "--strict"}, "start\nclick KsenonBox\n").status, 1);
}

}  // namespace
}  // namespace kalvora::cli
