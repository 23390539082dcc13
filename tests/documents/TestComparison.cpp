// Two configurations compared, and a price broken down into where it comes from.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <regex>
#include <set>
#include <string>
#include <utility>

#include "engine/code/ConfigCode.h"
#include "engine/documents/Comparison.h"
#include "engine/documents/OrderDocument.h"
#include "engine/documents/PriceBreakdown.h"
#include "engine/model/PriceTexts.h"
#include "pricing/FakeFileAccess.h"
#include "support/RecordingUi.h"

namespace kalvora {
namespace {

using testing::FakeFileAccess;
using testing::RecordingUi;

// The code of the configuration a user reaches from the starting one with `steps`.
std::string CodeAfter(const std::function<void(Configuration&)>& steps) {
    RecordingUi ui;
    Configuration config(ui);
    FakeFileAccess files;
    config.RunStartCode({}, files);
    steps(config);
    return config.CodeFieldText();
}

void ChooseColour(Configuration& config, int colour) {
    config.SetColourIndex(colour);
    config.OnColourChosen();
}

std::string TrendWithComfort() {
    return CodeAfter([](Configuration& c) {
        c.SelectTrim(Trend);
        c.SelectBody(Hatchback5Door);
        ChooseColour(c, 7);
        c.SetChecked(Opt::ComfortPackage, true);
    });
}

std::string GhiaSedan() {
    return CodeAfter([](Configuration& c) {
        c.SelectTrim(Ghia);
        c.SelectBody(Sedan);
        ChooseColour(c, 7);
    });
}

ConfigurationFacts Facts(const std::string& code) {
    const SettledConfiguration settled = SettleCode(code);
    EXPECT_EQ(settled.error, "") << code;
    return settled.facts.value_or(ConfigurationFacts{});
}

std::vector<std::string> DifferingKeys(const Comparison& c) {
    std::vector<std::string> keys;
    for (const ComparisonRow& row : c.rows) {
        if (row.differs) keys.push_back(row.key);
    }
    return keys;
}

const ComparisonRow* RowOf(const Comparison& c, const std::string& key) {
    for (const ComparisonRow& row : c.rows) {
        if (row.key == key) return &row;
    }
    return nullptr;
}

// A random code that the decoder accepts: data words XOR to the check word.
std::string RandomCode(std::mt19937& random) {
    std::uniform_int_distribution<int> word(0, 63);
    std::array<int, kCodeLength> w{};
    int check = 0;
    for (int i = 0; i < kCodeLength - 1; ++i) {
        w[i] = word(random);
        check ^= w[i];
    }
    std::string code;
    for (int i = 0; i < kCodeLength - 1; ++i) code += kCodeAlphabet[w[i] ^ check];
    code += kCodeAlphabet[check];
    return code;
}

TEST(Comparison, AConfigurationAgainstItselfHasNoDifferences) {
    for (const std::string& code :
         {std::string(kResetCode), TrendWithComfort(), GhiaSedan(), std::string("###########")}) {
        const ConfigurationFacts facts = Facts(code);
        const Comparison c = CompareFacts(facts, facts);
        EXPECT_TRUE(c.Same()) << code;
        EXPECT_TRUE(DifferingKeys(c).empty()) << code;
        EXPECT_EQ(c.Difference(), 0);
        EXPECT_EQ(ComparisonTsv(c),
                  std::vector<std::string>{"total\t" + std::to_string(facts.total) + '\t' +
                                           std::to_string(facts.total) + "\t0"});
    }
}

TEST(Comparison, TwoColoursDifferInTheColourAndTheMetallicSurchargeOnly) {
    const auto coloured = [](int colour) {
        return Facts(CodeAfter([colour](Configuration& c) {
            c.SelectTrim(Trend);
            ChooseColour(c, colour);
        }));
    };
    // Two metallic colours: only the colour's name differs, the price not at all.
    const Comparison metallics = CompareFacts(coloured(7), coloured(8));
    EXPECT_FALSE(metallics.Same());
    EXPECT_EQ(DifferingKeys(metallics), std::vector<std::string>{"colour"});
    EXPECT_EQ(RowOf(metallics, "colour")->a, "Moondust Silver Metallic");
    EXPECT_EQ(RowOf(metallics, "colour")->b, "Sea Grey Metallic");
    EXPECT_EQ(metallics.Difference(), 0);

    // White against a metallic colour: the metallic paint comes in at its price.
    const Comparison paint = CompareFacts(coloured(1), coloured(8));
    EXPECT_EQ(DifferingKeys(paint), (std::vector<std::string>{"colour", "MetallBox"}));
    const ComparisonRow* metallic = RowOf(paint, "MetallBox");
    EXPECT_EQ(metallic->section, ComparisonSection::OnlyB);
    EXPECT_EQ(metallic->a, "—");
    EXPECT_EQ(metallic->b, "$275");
    EXPECT_EQ(paint.Difference(), 275);
    EXPECT_EQ(ComparisonTsv(paint).at(1), "option\tMetallBox\t-\t275");
}

TEST(Comparison, ATrimChangeMovesManyOptionsAndEveryDollarIsAccountedFor) {
    const ConfigurationFacts trend = Facts(TrendWithComfort());
    const ConfigurationFacts ghia = Facts(GhiaSedan());
    const Comparison c = CompareFacts(trend, ghia);
    EXPECT_FALSE(c.Same());
    EXPECT_EQ(RowOf(c, "trim")->a, "Trend");
    EXPECT_EQ(RowOf(c, "trim")->b, "Ghia");
    EXPECT_TRUE(RowOf(c, "body")->differs);
    EXPECT_TRUE(RowOf(c, "base")->differs);
    EXPECT_EQ(RowOf(c, "KomfBox")->section, ComparisonSection::OnlyA);
    EXPECT_EQ(RowOf(c, "KomfBox")->a, "$540");
    EXPECT_EQ(RowOf(c, "MetallBox")->section, ComparisonSection::Both);
    EXPECT_FALSE(RowOf(c, "MetallBox")->differs);
    int standard = 0;
    for (const ComparisonRow& row : c.rows) {
        if (row.section == ComparisonSection::Standard) ++standard;
    }
    EXPECT_GE(standard, 3) << "the comfort package and Ghia bring different standard items";
    EXPECT_EQ(c.Difference(), std::int64_t{ghia.total} - trend.total);
    const std::vector<std::string> tsv = ComparisonTsv(c);
    EXPECT_EQ(tsv.front(), "trim\tКомплектация\tTrend\tGhia");
    EXPECT_EQ(tsv.back(), "total\t" + std::to_string(trend.total) + '\t' +
                              std::to_string(ghia.total) + '\t' + std::to_string(c.Difference()));
}

// The words of a text, split at blanks.
std::vector<std::string> WordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos) end = text.size();
        if (end > start) words.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

// The copied comparison keeps every cell apart: each word of its table lines is a word of one of
// the rows (a long value that ran into the next column would make a word of two), and no line
// is wider than a page of 100 characters.
void ExpectCellsApart(const Comparison& c) {
    std::set<std::string> words = {"*", "Итоговая", "цена", "$" + std::to_string(c.a.total),
                                   "$" + std::to_string(c.b.total)};
    for (const ComparisonRow& row : c.rows) {
        for (const std::string* text : {&row.label, &row.a, &row.b}) {
            for (const std::string& word : WordsOf(*text)) words.insert(word);
        }
    }
    for (const std::string& line : ComparisonText(c, "A", "B")) {
        EXPECT_LE(
            std::count_if(line.begin(), line.end(),
                          [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; }),
            100)
            << line;
        if (line.rfind("* ", 0) != 0 && line.rfind("  ", 0) != 0) continue;  // not a table line
        for (const std::string& word : WordsOf(line)) {
            EXPECT_TRUE(words.count(word)) << "«" << word << "» in: " << line;
        }
    }
}

// Over random pairs: the rows account for the whole difference, a comparison is the same only
// when nothing differs, and swapping the sides swaps the columns.
TEST(Comparison, RandomPairsAccountForTheWholeDifference) {
    std::mt19937 random(18);
    std::vector<ConfigurationFacts> pool;
    // A Ghia wagon with every option and an Ambiente three-door: the longest values side by side.
    for (const std::string& code : {CodeAfter([](Configuration& c) {
                                        c.SelectTrim(Ghia);
                                        c.SelectBody(Wagon);
                                        c.SelectRails(AluminiumRoofRails);
                                        ChooseColour(c, 3);
                                        c.EquipAll();
                                    }),
                                    CodeAfter([](Configuration& c) {
                                        c.SelectTrim(Ambiente);
                                        c.SelectBody(Hatchback3Door);
                                    })}) {
        pool.push_back(*SettleCode(code).facts);
    }
    while (pool.size() < 40) {
        const SettledConfiguration s = SettleCode(RandomCode(random));
        if (s.facts) pool.push_back(*s.facts);
    }
    pool.push_back(pool.front());  // one pair of equal configurations at least
    for (std::size_t i = 0; i + 1 < pool.size(); ++i) {
        const Comparison c = CompareFacts(pool[i], pool[i + 1]);
        std::int64_t rows = 0;
        for (const ComparisonRow& row : c.rows) rows += row.costB - row.costA;
        EXPECT_EQ(rows, c.Difference()) << c.a.code << " " << c.b.code;
        EXPECT_EQ(c.Same(), DifferingKeys(c).empty()) << c.a.code << " " << c.b.code;
        EXPECT_EQ(c.Same(), ComparisonTsv(c).size() == 1);
        for (const ComparisonRow& row : c.rows) {
            EXPECT_FALSE(row.tsvA == "-" && row.tsvB == "-") << row.key << " is on neither side";
            // "Standard" is said only of what comes at no cost.
            EXPECT_TRUE(row.a.rfind("стандарт", 0) != 0 || row.tsvA == "std") << row.key << row.a;
            EXPECT_TRUE(row.b.rfind("стандарт", 0) != 0 || row.tsvB == "std") << row.key << row.b;
            // An amount is carried exactly where the tab-separated cell is a figure, and is it.
            for (const auto& [amount, tsv] :
                 {std::pair{row.amountA, row.tsvA}, std::pair{row.amountB, row.tsvB}}) {
                const bool figure = !tsv.empty() && tsv != "-" &&
                                    tsv.find_first_not_of("-0123456789") == std::string::npos;
                EXPECT_EQ(amount.has_value(), figure) << row.key << " " << tsv;
                if (amount) {
                    EXPECT_EQ(std::to_string(*amount), tsv) << row.key;
                }
            }
        }
        ExpectCellsApart(c);

        const Comparison back = CompareFacts(pool[i + 1], pool[i]);
        ASSERT_EQ(back.rows.size(), c.rows.size());
        for (const ComparisonRow& row : back.rows) {
            const ComparisonRow* there = RowOf(c, row.key);
            ASSERT_NE(there, nullptr) << row.key;
            EXPECT_EQ(row.a, there->b);
            EXPECT_EQ(row.b, there->a);
            const auto mirrored = row.section == ComparisonSection::OnlyA ? ComparisonSection::OnlyB
                                  : row.section == ComparisonSection::OnlyB
                                      ? ComparisonSection::OnlyA
                                      : row.section;
            EXPECT_EQ(there->section, mirrored) << row.key;
        }
    }
}

TEST(Comparison, ABadSideIsNamedWithTheProgramsMessage) {
    FakeFileAccess files;
    files.files["offer.klv"] = GhiaSedan() + "\r\n";
    files.files["broken.klv"] = "not a code\r\n";
    const std::string good = TrendWithComfort();
    const std::string invalid = "Недопустимая комбинация кода";
    struct Case {
        std::string a, b, error;
    };
    const Case cases[] = {
        {"12345", good, "Вариант A (12345): " + invalid},
        {good, "broken.klv", "Вариант B (broken.klv): " + invalid},
        {"", "x", "Вариант A (): " + invalid + "\nВариант B (x): " + invalid},
        {good, "offer.klv", ""},
        {"###########", good, ""},  // an older code converts with a notice, not a failure
    };
    for (const Case& k : cases) {
        const ArgumentComparison result = CompareArguments(k.a, k.b, files);
        EXPECT_EQ(result.error, k.error) << k.a << " " << k.b;
        EXPECT_EQ(result.comparison.has_value(), k.error.empty());
    }
    files.readError = "Permission denied";
    EXPECT_EQ(CompareArguments(good, "offer.klv", files).error,
              "Вариант B (offer.klv): Не удалось открыть файл «offer.klv»: Permission denied");
}

TEST(Comparison, AFileAndOpeningAVariantSettleAsTheCodeDoes) {
    const std::string ghia = GhiaSedan();
    FakeFileAccess files;
    files.files["ghia.klv"] = CodeFileContent(ghia);
    const SettledConfiguration fromFile = SettleFile("ghia.klv", files);
    ASSERT_TRUE(fromFile.facts);
    EXPECT_TRUE(CompareFacts(*fromFile.facts, Facts(ghia)).Same());

    RecordingUi ui;
    Configuration current(ui);
    current.RunStartCode({TrendWithComfort()}, files);
    OpenVariant(current, ghia);
    EXPECT_EQ(current.CodeFieldText(), ghia);
    EXPECT_EQ(ReadFacts(current)->total, Facts(ghia).total);
    current.SetCodeFieldText("half typ");  // the current configuration is what the controls hold
    EXPECT_EQ(ReadFacts(current)->code, ghia);
}

// The breakdown adds up, names the dearest options, and agrees line for line with the order
// description's price tags.
TEST(PriceBreakdown, AddsUpAndAgreesWithTheOrderDescription) {
    std::mt19937 random(7);
    std::vector<std::string> codes{std::string(kResetCode), TrendWithComfort(), GhiaSedan()};
    while (codes.size() < 40) codes.push_back(RandomCode(random));
    const std::regex tag(R"(^\[\$(-?\d+)\] (.*)$)");
    for (const std::string& code : codes) {
        RecordingUi ui;
        Configuration config(ui);
        FakeFileAccess files;
        config.RunStartCode({code}, files);
        const std::optional<PriceBreakdown> b = BreakDownPrice(config);
        if (!b) {
            EXPECT_EQ(PriceLabelText(config.Figures()), "XXXXX") << code;
            continue;
        }
        EXPECT_EQ(b->basePrice + b->railsPrice + b->metallic + b->paidOptions, b->total) << code;
        EXPECT_EQ(b->total, *config.Total());
        EXPECT_LE(b->largest.size(), PriceBreakdown::kLargestShown);
        EXPECT_EQ(b->largest.size(), std::min(b->paidOptionCount, PriceBreakdown::kLargestShown));
        for (std::size_t i = 1; i < b->largest.size(); ++i) {
            EXPECT_GE(b->largest[i - 1].price, b->largest[i].price);
        }

        OrderDocument order(config, ui);
        order.OnVerbalToggled();
        std::int64_t tagged = 0;
        std::vector<std::string> lines;
        for (const std::string& line : order.Lines()) {
            std::smatch m;
            if (!std::regex_match(line, m, tag)) continue;
            tagged += std::stoll(m[1]);
            lines.push_back(line);
        }
        EXPECT_EQ(tagged, b->total) << code;
        for (const PriceBreakdown::Item& item : b->largest) {
            const std::string expected = "[$" + std::to_string(item.price) + "] " + item.name;
            const bool found = std::any_of(lines.begin(), lines.end(), [&](const std::string& l) {
                return l.rfind(expected, 0) == 0;
            });
            EXPECT_TRUE(found) << code << ": " << expected;
        }
        const std::vector<std::string> words = PriceBreakdownLines(*b);
        EXPECT_EQ(words.back(),
                  "$" + std::to_string(b->basePrice) + " + $" + std::to_string(b->railsPrice) +
                      " + $" + std::to_string(b->metallic) + " + $" +
                      std::to_string(b->paidOptions) + " = $" + std::to_string(b->total));
    }
}

TEST(RememberedVariants, KeepAHandfulNewestFirstAndReplaceByName) {
    RememberedVariants kept;
    EXPECT_EQ(kept.Remember("  ", "A"), "Вариант 1");
    EXPECT_EQ(kept.Remember(" Trend ", "B"), "Trend");
    kept.Remember("Trend", "C");  // the same name: replaced, moved to the front
    ASSERT_EQ(kept.Variants().size(), 2u);
    EXPECT_EQ(kept.Variants()[0].code, "C");
    for (int i = 0; i < 10; ++i) kept.Remember("", std::to_string(i));
    ASSERT_EQ(kept.Variants().size(), RememberedVariants::kMaximum);
    EXPECT_EQ(kept.Variants().front().code, "9");
    EXPECT_EQ(kept.Variants().back().code, "5");
    EXPECT_EQ(kept.SuggestedName(), "Вариант 14");
}

}  // namespace
}  // namespace kalvora
