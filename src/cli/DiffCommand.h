// `kalvora-cli diff A B`: two configurations, each a code or a .klv file ("-" reads a code from
// the standard input), compared as the comparison window compares them.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "engine/code/ConfigFile.h"

namespace kalvora::cli {

// Writes one tab-separated line for each thing that differs and a last line "total<TAB>A<TAB>B
// <TAB>B-A"; with `json`, one object {"a", "b", "same", "differences", "total"} (see the manual).
// Returns as diff(1) does: 0 for the same configuration, 1 for different ones, 2 for
// bad arguments, a side that cannot be settled or output that cannot be written.
int RunDiff(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
            std::ostream& err, FileAccess& files, bool json = false);

}  // namespace kalvora::cli
