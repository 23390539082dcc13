// `kalvora-cli price`: each code or file priced in a fresh session, as if the program had been
// started with it as its only argument.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/BatchRun.h"
#include "engine/code/ConfigFile.h"

namespace kalvora::cli {

// One line per input, "INPUT<TAB>CODE<TAB>PRICE" or "INPUT<TAB>error: MESSAGE"; with `json`,
// {"input", "code", "price"} or {"input", "error"}. Returns 0 when every input was priced, 1
// otherwise.
int RunPrice(InputList& inputs, std::ostream& out, FileAccess& files, bool json = false);

}  // namespace kalvora::cli
