// Two configurations side by side: what each is made of, what differs, and what each costs.
//
// A configuration to compare is settled exactly as the code field settles a typed code: the
// decoder runs on a freshly started configuration, then the trim rules and the price
// computation; a .klv file is read first, as "Открыть..." reads it. So a comparison shows what
// the buyer would get by typing the code or opening the file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/model/Configuration.h"
#include "engine/code/ConfigFile.h"

namespace kalvora {

// How an option belongs to a configuration.
enum class Presence : std::uint8_t {
    Absent,
    Chosen,    // ticked and free to untick: the buyer pays its price label
    Standard,  // ticked and locked: standard equipment or part of a chosen package
};

struct OptionFact {
    Presence presence = Presence::Absent;
    std::int32_t price = 0;  // its price label, whole dollars
};

// What a priced configuration is made of, read from its controls.
struct ConfigurationFacts {
    std::string code;
    int trim = 0;
    int body = 0;
    int rails = 0;
    int engine = 0;
    int colour = 0;
    std::int32_t basePrice = 0;
    std::int32_t railsPrice = 0;
    std::int32_t total = 0;
    std::array<OptionFact, kOptionCount> options{};
};

// The facts of a configuration, or nothing when it has no price ("XXXXX").
std::optional<ConfigurationFacts> ReadFacts(const Configuration& config);

// A configuration settled from a code, a file or a command-line argument, or why it could not be.
struct SettledConfiguration {
    std::optional<ConfigurationFacts> facts;
    std::string error;  // the message the program would have shown; empty when settled
};

SettledConfiguration SettleCode(std::string_view code);
// Reads the file's first line through `files`, then settles it as a code.
SettledConfiguration SettleFile(const std::string& path, FileAccess& files);
// As the program reads its own command-line argument: a file when one of that name exists or
// the name can only mean a file, otherwise a code.
SettledConfiguration SettleArgument(const std::string& argument, FileAccess& files);

// "Открыть вариант": makes the configuration of `code` the current one, as typing the code into
// the code field and pressing Enter does.
void OpenVariant(Configuration& config, std::string_view code);

// --- The comparison ---------------------------------------------------------------------------

enum class ComparisonSection : std::uint8_t {
    Choices,   // trim, body, engine, roof rails, colour, base price, roof-rail surcharge
    OnlyA,     // options chosen in A and not in B
    OnlyB,     // options chosen in B and not in A
    Both,      // options chosen in both
    Standard,  // standard items that one has and the other lacks altogether
};

struct ComparisonRow {
    ComparisonSection section;
    std::string key;    // "trim", "body", ..., or the option's check box name
    std::string label;  // what the row is, in words
    std::string a;  // the cell of each side, in words ("$540", "стандарт", "—", "Ghia")
    std::string b;
    std::string tsvA;  // the same for a tab-separated line ("540", "std", "-")
    std::string tsvB;
    // The cell of each side as an amount where it is one (a base price, a surcharge, the price
    // of a chosen option); none for a name, an absent option or a standard item.
    std::optional<Dollars> amountA;
    std::optional<Dollars> amountB;
    bool differs = false;
    // What the row adds to each side's total.
    std::int64_t costA = 0;
    std::int64_t costB = 0;
};

struct Comparison {
    ConfigurationFacts a;
    ConfigurationFacts b;
    std::vector<ComparisonRow> rows;  // by section, options in the order of the price walk

    // The same configuration on both sides: the same code.
    bool Same() const { return a.code == b.code; }
    // B's total less A's.
    std::int64_t Difference() const { return std::int64_t{b.total} - a.total; }
};

Comparison CompareFacts(const ConfigurationFacts& a, const ConfigurationFacts& b);

// Both sides settled from command-line arguments. On failure `error` names the bad side or
// sides, one line each, as "Вариант A (ARGUMENT): MESSAGE".
struct ArgumentComparison {
    std::optional<Comparison> comparison;
    std::string error;
};
ArgumentComparison CompareArguments(const std::string& a, const std::string& b, FileAccess& files);

// The heading of a section, with the sides named as given.
std::string SectionTitle(ComparisonSection section, std::string_view nameA, std::string_view nameB);
// "+$440", "-$120", "$0".
std::string SignedDollars(std::int64_t amount);

// The comparison as lines of tab-separated values: one line per differing row, "KIND<TAB>NAME
// <TAB>A<TAB>B", then "total<TAB>A<TAB>B<TAB>B-A".
// What a differing row is, as the tab-separated and JSON forms name it: the choice's key and
// its label, or "standard"/"option" and the option's key.
struct RowNaming {
    std::string kind;
    std::string name;
};
RowNaming NameOfRow(const ComparisonRow& row);
std::vector<std::string> ComparisonTsv(const Comparison& comparison);

// The comparison as a plain text for printing and copying: the sides named as given, every row
// with its two cells, differing rows marked with "*", the totals and the difference.
std::vector<std::string> ComparisonText(const Comparison& comparison, std::string_view nameA,
                                        std::string_view nameB);

// --- Remembered variants ----------------------------------------------------------------------

// Configurations kept under short names for the rest of the run, newest first.
class RememberedVariants {
  public:
    static constexpr std::size_t kMaximum = 5;

    struct Variant {
        std::string name;
        std::string code;
    };

    // Keeps `code` under `name` (blanks around it trimmed; "Вариант N" when empty). A variant of
    // the same name is replaced; beyond the maximum the oldest is forgotten. Returns the name.
    std::string Remember(std::string_view name, std::string_view code);
    // The name "Вариант N" that the next unnamed variant would get.
    std::string SuggestedName() const;
    const std::vector<Variant>& Variants() const { return variants_; }

  private:
    std::vector<Variant> variants_;
    int counter_ = 0;
};

}  // namespace kalvora
