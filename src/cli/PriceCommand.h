// `kalvora-cli price`: each code or file priced in a fresh session, as if the program had been
// started with it as its only argument.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "pricing/ConfigFile.h"

namespace kalvora::cli {

// One line per argument, "ARGUMENT<TAB>CODE<TAB>PRICE" or "ARGUMENT<TAB>error: MESSAGE".
// Returns 0 when every argument was priced, 1 otherwise.
int RunPrice(const std::vector<std::string>& arguments, std::ostream& out, FileAccess& files);

}  // namespace kalvora::cli
