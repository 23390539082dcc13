// kalvora-cli credit: the credit calculator without a window.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora {

// Runs "credit PRICE [--first-percent P] [--rate-promo R] [--rate-real R]
// [--repay-after N --repay-by M] [--csv]"; `args` are the words after "credit". Numbers are read
// and written with a decimal point. Prints the figures, one "name<TAB>value" line each, an empty
// line, then one line per month of the schedule; with --csv the same, comma-separated, each table
// under a header line. Returns 0, or 2 with a Russian message on `err` for bad arguments or
// inputs the calculator refuses.
int RunCreditCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

class CreditCalculator;

// The credit options of "credit" (--first-percent, --rate-promo, --rate-real, --repay-after,
// --repay-by) taken out of `args` and typed into `calc`, checked as "credit" checks them; the
// other arguments stay in `args`. Sets `given` when there was one. Returns the message for a bad
// or incomplete one.
std::optional<std::string> TakeCreditOptions(std::vector<std::string>* args, CreditCalculator& calc,
                                             bool* given);

}  // namespace kalvora
