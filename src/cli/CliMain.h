// The command line of kalvora-cli: subcommands, --help and --version.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// `arguments` without the program name. Returns the exit status.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace kalvora::cli
