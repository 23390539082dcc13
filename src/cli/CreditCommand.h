// kalvora-cli credit: the credit calculator without a window. The credit options and the car's
// price are read by functions of their own, for every command that computes a credit.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "engine/credit/CreditCalculator.h"
#include "engine/code/ConfigFile.h"

namespace kalvora {

// --first-percent, --rate-promo, --rate-real, --repay-after and --repay-by, for a command's
// option list.
std::vector<cli::OptionRule> CreditOptionRules();

// The credit options of a command line, checked against their ranges and ready to be typed into
// the calculator (a decimal comma already a point).
struct CreditTerms {
    struct Input {
        CreditField field;
        std::string text;
    };
    std::vector<Input> inputs;

    // Types every input into `calc`, as a person filling in the window would.
    void ApplyTo(CreditCalculator& calc) const;
};

// Reads the credit options of `parsed`. Nothing, with a Russian message in `problem`, for a
// value out of its range, --repay-after without --repay-by, or a --repay-by month not after
// the --repay-after months. An early repayment that starts at or after the end of the term is
// no early repayment and is left out.
std::optional<CreditTerms> ReadCreditTerms(const cli::ParsedArguments& parsed,
                                           std::string* problem);

// The car's price: whole dollars (digits only, from 1 to 2147483647), or a code or a .klv file
// whose configuration's total is the price. Nothing, with a Russian message, otherwise; then
// `unreadable` (when given) is true for a configuration that could not be read or priced, false
// for a number out of its range.
std::optional<std::int32_t> ReadCarPrice(const std::string& text, FileAccess& files,
                                         std::string* problem, bool* unreadable = nullptr);

// Runs "credit PRICE [options] [--csv [--decimal ,] [--table schedule|summary]] [--json]"; `args`
// are the words after "credit". Prints the figures, one "name<TAB>value" line each, an empty
// line, then one line per month of the schedule; --csv the same comma-separated, each table
// under a header line; --json one object. Returns 0; 1 with a message on `err` for a
// configuration that cannot be read; 2 for bad arguments or inputs the calculator refuses.
int RunCreditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

namespace cli {
// The same with the streams of every command, writing errors that cannot be written reported.
int RunCreditCli(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                 std::ostream& err);
}  // namespace cli

}  // namespace kalvora
