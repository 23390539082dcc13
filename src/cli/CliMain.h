// The command line of kalvora-cli: its commands, help and version.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// The picture command draws with Qt, which the other commands do without: it runs elsewhere
// (kalvora-cli hands it to a companion program). A build without it leaves it unset and the
// command says so. `arguments` are the words after "picture".
using PictureCommand = int (*)(const std::vector<std::string>& arguments, std::istream& in,
                               std::ostream& out, std::ostream& err);
void SetPictureCommand(PictureCommand command);
// The offer command lays out PDF pages with Qt, likewise.
void SetOfferCommand(PictureCommand command);

// `arguments` without the program name. Returns the exit status.
int RunCli(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
           std::ostream& err);

}  // namespace kalvora::cli
