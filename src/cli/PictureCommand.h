// kalvora-cli picture CODE_OR_FILE OUT.png [--size WxH], or picture INPUT... --output-dir DIR
// [--name PATTERN] [--size WxH]: the configured car drawn into PNG files.
#pragma once

#include <istream>
#include <ostream>
#include <string>
#include <vector>

namespace kalvora::cli {

// `arguments` after the word "picture". Needs no display: without a running application it
// starts one on the offscreen platform. 0 when the file was written, 1 for a configuration that
// cannot be started or a file that cannot be written, 2 for wrong arguments.
int RunPictureCommand(const std::vector<std::string>& arguments, std::istream& in,
                      std::ostream& out, std::ostream& err);

}  // namespace kalvora::cli
