// The picture command in its own program: drawing needs Qt, and kalvora-cli starts every other
// command without loading it. kalvora-cli hands "picture ..." over to kalvora-picture, which
// lies beside it in a build tree and in LIBEXECDIR/kalvora when installed.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// Replaces this process by the picture program with `arguments` (the words after "picture");
// returns only when that fails, with status 1 and a message on `err`.
int LaunchPictureProgram(const std::vector<std::string>& arguments, std::istream& in,
                         std::ostream& out, std::ostream& err);

}  // namespace kalvora::cli
