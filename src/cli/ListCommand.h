// `kalvora-cli list WHAT [--json]`: the names script mode accepts, each with its Russian caption
// (and, for options, the price in the configuration after "Сбросить всё"), one per line.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// What `list` can list, in the order the help names them.
std::vector<std::string> ListNames();

// `args` are the words after "list". 0, or 2 for a wrong command line.
int RunListCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);

}  // namespace kalvora::cli
