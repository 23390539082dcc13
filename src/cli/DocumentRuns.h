// kalvora-cli's document commands, each one document per input (see BatchRun.h):
//
//   order [--code|--combined] [--no-prices] [--indent] [--date D] INPUT...
//   checklist [--date D] INPUT...
//   explain [--json] INPUT...
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// `args` are the words after the command's name. 0 when every document was written, 1 when one
// was not, 2 for a wrong command line.
int RunOrderCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err);
int RunCheckListCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                        std::ostream& err);
int RunExplainCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                      std::ostream& err);

}  // namespace kalvora::cli
