// The credit window as text, one field a line, for the script mode's "print credit".
#pragma once

#include <string>

#include "engine/credit/CreditCalculator.h"

namespace kalvora {

// Every field as FIELD<TAB>TEXT<TAB>RRGGBB in the dump order (FIELD the window's name of the
// field), then the subtraction before the credit sum as `Label20` and the discount's hint as
// `Label19-hint`, then "grid ROWS" and one line per month row, and a closing ".".
std::string CreditDump(const CreditCalculator& calculator);

}  // namespace kalvora
